// ComputerHardware: the notes of each example.
#include "topics/hardware/computer_hardware.h"

namespace orr {

namespace {
const char* const kTheory[11][4] = {
    {"Each key of a keyboard sits at the crossing of a row wire and a column wire of a matrix. A small "
     "microcontroller in the keyboard, the encoder, drives the rows one at a time and reads the columns; when a "
     "pressed key joins a driven row to a column, the encoder knows exactly which key it is.",
     "The row and column counts found by the scan are turned into a code for the key. Here the matrix is laid out "
     "as the ASCII table itself, 8 rows of 16 columns, so the row count gives the upper three bits of the code and "
     "the column count the lower four.",
     "The American Standard Code for Information Interchange (ASCII) gives the 128 codes 0 to 127 to letters, "
     "digits, punctuation and control characters such as carriage return (13) and escape (27). Capital A is 65, "
     "01000001 in binary and 41h in hexadecimal; lower case a is 32 more, 97.",
     "The computer sends the code to the display, where a character generator turns it into the pattern of dots "
     "seen on the screen (the VDU, visual display unit). Modern systems use Unicode, whose first 128 codes are "
     "ASCII, so the same codes still work today."},
    {"A mechanical mouse or tracker ball has a ball resting on two rollers set at right angles: one turns when the "
     "ball moves left or right, the other when it moves up or down. Each roller turns a slotted wheel between a "
     "light and a pair of sensors.",
     "As the wheel turns, the slots let the light through in pulses. The two sensors, a and b, are placed a quarter "
     "of a slot apart, so their pulse trains are a quarter of a cycle out of step: this is called quadrature.",
     "The direction decoder watches which signal changes first. Turning one way, a leads b; turning the other "
     "way, b leads a. Counting the changes gives the distance moved, and the order of the changes gives the "
     "direction. Press Rotate left and Rotate right and watch the two waveforms.",
     "The movement counts and the states of the Left, Middle and Right buttons are sent to the computer as a "
     "serial data stream, today over USB or Bluetooth. Optical mice replace the ball with a tiny camera that "
     "compares pictures of the desk surface thousands of times a second, but report movement the same way."},
    {"Light of the three primary colours, red, green and blue, can be added together to make any other colour. A "
     "screen does exactly this: each pixel is made of a red, a green and a blue dot too small for the eye to see "
     "apart, so their light mixes.",
     "Where two primaries overlap at full strength, red and green make yellow, red and blue make magenta and green "
     "and blue make cyan. All three together make white; none at all leaves black. This is additive mixing, the "
     "opposite of mixing paints, which take light away.",
     "Each primary is set to one of 256 intensities, 0 to 255, held in one byte. The colour is written as its "
     "three values, for example RGB(125, 200, 50), a yellowish green. Move the sliders to see how each bar and "
     "each overlap of the disks changes.",
     "Three bytes a pixel give 256 × 256 × 256 = 16,777,216 colours, usually called 24-bit or true colour. Web "
     "pages write the same three bytes in hexadecimal, so RGB(125, 200, 50) is #7DC832."},
    {"A flat-panel liquid crystal display (LCD) is a grid of pixels, each a tiny cell of liquid crystal between "
     "polarising filters, lit from behind. The voltage across a cell twists the crystals and decides how much "
     "light gets through.",
     "Each pixel has its own thin film transistor (TFT) printed on the glass. The row drivers switch on one row "
     "of transistors at a time, and while a row is on, the column drivers put each pixel's voltage on its column "
     "line; a small capacitor holds the voltage after the row is switched off.",
     "The rows are scanned from top to bottom, one complete frame typically 60 times a second, and gaming "
     "monitors 144 times or more. Start Scan shows the scan slowed down so that the pixels are written one at a "
     "time.",
     "A full HD panel has 1920 × 1080 pixels, each with red, green and blue sub-pixels, so more than six million "
     "transistors. OLED panels work in the same rows and columns, but each sub-pixel makes its own light and "
     "needs no backlight."},
    {"The simplest graphics adaptor gives each pixel of the screen one bit of memory: 1 for a lit pixel, 0 for a "
     "dark one. The screen here is only 15 pixels across and 10 down, so 150 bits hold the whole picture.",
     "The adaptor reads the graphics RAM over and over, in step with the scan of the screen, and turns each bit "
     "into the video signal for its pixel. To change the picture, the processor only has to change the bits in "
     "the RAM.",
     "The resolution is the number of pixels across times the number down. Early monochrome adaptors of the "
     "1980s worked at 320 × 200, 640 × 350 or 720 × 348, needing 64000 to 250560 bits of memory.",
     "With one bit a pixel, eight pixels share each byte, so 720 × 348 pixels need about 31 Kbytes. Text and line "
     "drawings look sharp, but there are no shades of grey: for those each pixel needs more bits."},
    {"Giving each pixel a whole byte of graphics memory allows 256 levels of intensity, from 0 (off) to 255 "
     "(full brightness). Each number in the graphics RAM matrix is the shade of the pixel in the same place on "
     "the screen.",
     "256 levels are enough for the eye to see a smooth gradient with no steps, which is why 8 bits a channel is "
     "still the standard for photographs and video. Press Next Colour to show the same shades in each of the "
     "seven colours.",
     "The colour number 1 to 7 has three bits: bit 0 turns on blue, bit 1 green and bit 2 red. So 3 is green and "
     "blue together, cyan, and 7 is all three, white: the additive mixing rule again.",
     "Memory grows with the resolution: 800 × 600 pixels need 480000 bytes at one byte each, 1280 × 1024 over 1.3 "
     "million. A 4K screen of 3840 × 2160 with three bytes a pixel needs nearly 25 Mbytes for each frame, which "
     "is why graphics cards carry gigabytes of their own fast memory."},
    {"A colour monitor needs a red, a green and a blue intensity for every pixel, so the graphics memory is in "
     "effect three video memories, one for each primary. The same row and column in each gives the three values "
     "of one pixel.",
     "In the example the pixel at row 1, column 1 holds 200 red, 120 green and 40 blue, an orange brown. Each "
     "value is one 8-bit binary code, so the pixel takes three bytes.",
     "The display adaptor reads the three memories together as it scans the screen and sends the three values to "
     "the red, green and blue sub-pixels, whose light mixes into the pixel's colour.",
     "With 256 levels for each primary there are 16,777,216 possible colours. Many systems store a fourth byte "
     "for each pixel, for transparency or simply to keep every pixel on a 32-bit boundary, which the processor "
     "reads fastest."},
    {"A magnetic hard disk stores data on the surfaces of spinning platters. Each surface is divided into "
     "concentric tracks and each track into sectors, separated by gaps; a sector is the smallest amount the drive "
     "reads or writes, traditionally 512 bytes and 4096 bytes on modern drives.",
     "To read a sector the head must first move to the right track, the seek time, and then wait for the sector "
     "to come round under it. On average that is half a revolution, the rotation delay: at 2400 r.p.m. a "
     "revolution takes 25ms, so the average delay is 12.50ms. Access time is the two added together.",
     "Once the sector is under the head, data flows at the transfer rate: the bytes in one track times the "
     "revolutions a second. The capacity is surfaces × sectors × tracks × bytes per sector. The tracks at the "
     "same position on every surface form a cylinder, read without moving the heads.",
     "Today's hard disks spin at 5400 to 15000 r.p.m., seek in a few milliseconds and hold many terabytes, but "
     "solid-state drives, with no moving parts, have access times of a tenth of a millisecond or less. Try "
     "entering other values for the six settings to see how each one changes the results."},
    {"A CD, DVD or Blu-ray disc stores data as a single spiral track of microscopic pits pressed into a plastic "
     "disc, covered with a thin reflective layer and read from the side opposite the label. The flat areas "
     "between the pits are called lands.",
     "A laser is focused on the track from below. Light reflected from a land returns strongly to the photo "
     "detector; at the edge of a pit part of the light is scattered and cancelled, so the reflection changes.",
     "A change, the edge of a pit, is read as a 1; a flat stretch, along a pit or a land, as 0s. The encoding "
     "used (eight-to-fourteen modulation on CDs) makes sure 1s are never too close together or too far apart, "
     "so the drive can keep time with the track.",
     "A CD holds about 700 Mbytes, a single-layer DVD 4.7 Gbytes with smaller pits and a shorter wavelength red "
     "laser, and a Blu-ray disc 25 Gbytes a layer with a blue-violet laser. Recordable discs use a dye that the "
     "laser darkens instead of pressed pits."},
    {"A serial port sends the bits of a character one after another down a single wire. RS232 is the classic "
     "standard: the line rests at logic 1 (the stop level) and each character begins with a start bit at logic "
     "0, so the receiver sees the change and starts timing.",
     "Then come the eight data bits, least significant bit first, a parity bit and a stop bit. With odd parity "
     "the parity bit makes the number of 1s in the data and parity together odd: 'A' (01000001) has two 1s and "
     "gets parity bit 1, 'C' (01000011) has three and gets 0.",
     "If noise flips one bit on the way, the count of 1s becomes even and the receiver knows the character is "
     "wrong. The receiver looks for the pattern of a stop level, a start edge from HIGH to LOW, the data it does "
     "not yet care about and a stop bit at the right time.",
     "The driver changes the 0V and 5V logic levels into line levels of +12V for logic 0 and -12V for logic 1, "
     "which carry further and resist noise. USB has replaced RS232 on computers, but the same start and stop "
     "framing is used by the UART serial ports of microcontrollers today. Press a key to see its frame."},
    {"Serial transfer sends the bits one after another on one line, so a byte with its start and stop bits takes "
     "ten clock periods. Parallel transfer sends all eight bits at once on eight lines, so a byte takes one clock "
     "period.",
     "Parallel links were used for printers and inside computers for buses, where the distances are short. Over "
     "longer cables the eight signals arrive at slightly different times (skew) and interfere with each other "
     "(crosstalk), which limits how fast the clock can run.",
     "A serial link has no skew between bits, so it can be clocked very much faster, and the cable is thinner "
     "and cheaper. That is why USB, SATA, Ethernet and even PCI Express, the bus inside a PC, are serial.",
     "Press a key: the same byte is shown going serially, least significant bit first between its start and stop "
     "bits, and in parallel on the data lines D0 to D7."},
};
}  // namespace

void computerHardwareTheory(int e, std::array<QString, 4>& p)
{
    if (e < 0 || e > 10)
        return;
    for (int k = 0; k < 4; ++k)
        p[std::size_t(k)] = QString::fromUtf8(kTheory[e][k]);
}

}  // namespace orr
