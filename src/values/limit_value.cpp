// LimitValue's corrections, its formatter mapping and its report.
#include "values/limit_value.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <cmath>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "state/suite_state.h"
#include "values/formatters.h"
#include "values/value_entry.h"

namespace orr {

namespace limit_detail {

bool correct(double value, double limit, int mode, double& corrected)
{
    const double mag = std::fabs(value);
    const double lim = std::fabs(limit);
    corrected = value;
    switch (mode) {
    case -1:
    case 1:  // magnitude at most |limit|
        if (mag <= lim)
            return false;
        if (value > limit)
            corrected = limit;
        else if (value < -limit)
            corrected = -limit;
        return true;
    case 0:  // magnitude at least |limit|; zero is always too small
        if (mag >= lim && value != 0)
            return false;
        if ((value > 0 && value < limit) || value == 0)
            corrected = limit;
        else if (value < 0 && value > -limit)
            corrected = -limit;
        return true;
    case 2:  // at least limit
        if (mag >= lim)
            return false;
        if (value < limit)
            corrected = limit;
        return true;
    case 4:  // silent floor
        if (value >= limit)
            return false;
        if (value < -limit)
            corrected = -limit;
        return true;
    default:
        return false;
    }
}

void report(double corrected, int mode)
{
    auto& s = suite();
    // The caption written below is a correction, not a new entry.
    s.entryLock = true;
    const QString text = LimitFormat(LimitQuantityType(), corrected);
    QString message;
    switch (mode) {
    case -1:
    case 1: message = QStringLiteral("Your input value is out of range and has been restricted to "); break;
    case 0: message = QStringLiteral("Your input value is out of range and must be greater than "); break;
    case 2: message = QStringLiteral("Your input value is out of range and must be greater than or equal to "); break;
    default: break;
    }
    if (!message.isEmpty())
        msgBox(message + text, MsgButtons::Ok, QStringLiteral("Input range limited."));
    if (s.editedInputLabel)
        s.editedInputLabel->setCaption(text);
}

}  // namespace limit_detail

QString LimitQuantityType()
{
    if (Form* f = FormRegistry::instance().loadedForm(QStringLiteral("InputForm")))
        if (auto* heading = f->findChild<QLabel*>(QStringLiteral("Heading")))
            return heading->text();
    return suite().quantityType;
}

QString LimitFormat(const QString& type, double value)
{
    const float v = numtext::toSingle(value);
    if (type == QLatin1String("Resistance.")) return FormatOhms(v);
    if (type == QLatin1String("Bytes.")) return FormatBytes(v);
    if (type == QLatin1String("Voltage.") || type == QLatin1String("Positive Voltage.")) return FormatVolts(v);
    if (type == QLatin1String("Current.")) return FormatAmps(v);
    if (type == QLatin1String("Capacitance.")) return FormatFarads(v);
    if (type == QLatin1String("Inductance.")) return FormatHenrys(v);
    if (type == QLatin1String("Frequency.")) return FormatHertz(v, false);
    if (type == QLatin1String("Angle.") || type == QLatin1String("Positive Angle.")) return FormatAngle(v);
    if (type == QLatin1String("Power.")) return FormatWatts(v);
    if (type == QLatin1String("Time.")) return FormatSeconds(v);
    if (type == QLatin1String("Decimal No.") || type == QLatin1String("Positive Decimal No.") ||
        type == QLatin1String("Positive Integer No."))
        return FormatDecimal(v, false);
    if (type == QLatin1String("Integer No.")) return FormatDecimal(v, true);
    if (type == QLatin1String("Currency.")) return FormatMoney(v);
    if (type == QLatin1String("Length.")) return FormatLength(v);
    if (type == QLatin1String("Velocity.")) return FormatVelocity(v);
    if (type == QLatin1String("Area.")) return FormatArea(v);
    if (type == QLatin1String("Temperature C.")) return FormatTemperature(v, true);
    if (type == QLatin1String("Temperature F.")) return FormatTemperature(v, false);
    if (type == QLatin1String("Joules.")) return FormatJoules(v);
    if (type == QLatin1String("Binary No.")) return FormatBinary(limit_detail::convert<int32_t>(value));
    if (type == QLatin1String("Mixed Binary No.")) return FormatMixedBinary(Str(value));
    if (type == QLatin1String("Octal.")) return FormatOctal(v);
    if (type == QLatin1String("Hexadecimal.")) return FormatHex(Str(value));
    if (type == QLatin1String("Exponent No.")) return FormatScientific(v);
    return QString();
}

}  // namespace orr
