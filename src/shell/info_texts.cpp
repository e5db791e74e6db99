// The information pages shown in the theory window from the Window menu.
#include "shell/info_texts.h"

namespace orr {

InfoPage infoPage(int index)
{
    switch (index) {
    case 2:
        return {QStringLiteral("SELECTING TOPICS"),
                {QStringLiteral("Use main dropdown menus or the Contents Window."),
                 QStringLiteral("This can be activated from the main menu under the Window item."), {}, {}}};
    case 3:
        return {QStringLiteral("OPEN WINDOW LIST"),
                {QStringLiteral("A list of open Windows is maintained at the bottom of the 'Window' main menu "
                                "selection."),
                 QStringLiteral("Thereby making your return to a previous open topic quick and easy, especially "
                                "where its been obscured or hidden by another Window."),
                 {}, {}}};
    case 4:
        return {QStringLiteral("CHANGING VALUES"),
                {QStringLiteral("Begin with those supplied as default values. As would happen in a real situation, "
                                "strange effects can occur if good circuit design practice is not observed. To make "
                                "calculations easy to understand, final results have been formatted using SI units, "
                                "\u00b5F, kOhms, MHz, etc."),
                 QStringLiteral("When inputting circuit parameters, zero values are not usually accepted i.e. 0V "
                                "will be adjusted to 1V and 0 Ohms will be replaced with 1 Ohm. ") +
                     QStringLiteral("If the denominator in a fractional calculation becomes zero, the result can "
                                    "cause an overflow error, as happens with any electronic calculator, except in "
                                    "software it can also produce graphical errors. The software will however, "
                                    "accept decimal values less than one, therefore if you require a zero input, "
                                    "then give it a very low value i.e. 0.0001. For all practical purposes this will "
                                    "still return your answer to a high degree of accuracy."),
                 QStringLiteral("Wherever possible the same values are used for the individual topics. This "
                                "enables you to see the effect of the same resistor; capacitor or inductor values "
                                "for example, in all related situations. ") +
                     QStringLiteral("If you find yourself in difficulty, close the selected topic by clicking on "
                                    "the CLOSE button of the open Window and re-select from the menu. This will "
                                    "reload using the default values."),
                 QStringLiteral("Any additional information (if available) will be brought to your attention "
                                "automatically when the mouse pointer is moved over a picture area.")}};
    case 5:
        return {QStringLiteral("OUTPUT RESULTS"),
                {QStringLiteral("One of the major enhancements in this latest release of software is wherever "
                                "possible, results of calculations are rounded to two decimal places. This would at "
                                "first appear to be straightforward, but unfortunately is one of the major "
                                "difficulties in computing and electronics calculations.  The problem is caused by "
                                "rounding to two decimal places which are sub multiples of a hundred and "
                                "electronics uses sub multiples of a thousand i.e. \u00b5A and mA."),
                 QStringLiteral("Try it for yourself: fix your calculator to two decimal places and work out a few "
                                "small currents with Ohm's law, say 5V across 4.7 kOhms and then across 470 kOhms. "
                                "The second answer shows as 0.01 or even 0.00 mA, although the current is a "
                                "perfectly measurable 10.64\u00b5A. The software serves a very wide range of user "
                                "values, so it selects the most suitable number format and unit for each result "
                                "automatically."),
                 QStringLiteral("It is for this reason, many software packages, especially those involving "
                                "circuit simulation stick with presenting values in scientific (exponent number) "
                                "format. We avoid this if at all possible or at least give both, as unless you have "
                                "considerable experience with this format, answers can be difficult to interpret."),
                 {}}};
    case 7:
        return {QStringLiteral("CLOSING WINDOWS"),
                {QStringLiteral("Click over the PICTURE AREA to clear the calculations, graph and theory Windows."),
                 {}, {}, {}}};
    case 8:
        return {QStringLiteral("PRINTING"),
                {QStringLiteral("Select the Printing toolbar button. Graphics and text for a selected topic appear "
                                "into one single document using your default printer driver settings."),
                 QStringLiteral("If your printed page is not set out correctly, you should clear any existing "
                                "documents and reset the defaults by turning off your computer, restarting is not "
                                "enough."),
                 QStringLiteral("Recommended method of obtaining a hard copy is to choose the 'Copy to Clipboard' "
                                "button on the toolbar and the current open window, graphics, text, graphs or "
                                "calculations can be pasted into any Windows document i.e. Microsoft Word or "
                                "PowerPoint (select Edit Paste Special and select the Picture type)."),
                 QStringLiteral("This enables printed pages to be customised with additional text, questions etc, "
                                "for student handouts and presentations.")}};
    case 11:
        return {QStringLiteral("DISPLAY SETTINGS"),
                {QStringLiteral("For best screen presentation your Windows Display Settings should be set to 1024 "
                                "\u00d7 768 or greater."),
                 QStringLiteral("Select the highest colour palette available i.e. High Colour (16 bit) to ensure "
                                "the high quality picture images are displayed correctly. These can be changed from "
                                "within the Windows Control Panel display settings."),
                 QStringLiteral("For correct positioning if graphics the Computer's theme should be set to "
                                "'Windows Classic style'."),
                 {}}};
    case 12:
        return {QStringLiteral("OVERSEAS USERS"),
                {QStringLiteral("In the very unlikely event that values are not presented correctly please check "
                                "the keyboard and/or regional settings in the Windows Control Panel."),
                 QStringLiteral("Set these to English (British) or English (American)."), {}, {}}};
    case 13:
        return {QStringLiteral("DISCLAIMER"),
                {QStringLiteral("These programs are supplied on the understanding that the maker accepts no "
                                "responsibility or liability for any errors or omissions, or for any use that "
                                "users make of the program content in their own applications."),
                 {}, {}, {}}};
    default:
        return {};
    }
}

InfoPage acknowledgementPage()
{
    return {QStringLiteral("Acknowledgement."),
            {QStringLiteral("Our sincere thanks go to Margaret Ellery, lecturer in electronics and computing, for "
                            "her help and expert guidance in checking the topics, the worked examples and the "
                            "theory notes of this suite."),
             QStringLiteral("The Orrinvale V10 development team."), {}, {}}};
}

}  // namespace orr
