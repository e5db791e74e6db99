// Order form validation: key sets per field and the delivery-date check.
#include "topics/data/order_form_rules.h"

namespace orr::data {

namespace {
bool letter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool digit(QChar c) { return c >= u'0' && c <= u'9'; }
}  // namespace

bool orderKeyAllowed(int field, QChar c)
{
    const bool back = c == QChar(8);
    switch (field) {
    case 0: return back || c == u' ' || letter(c);
    case 1: return back || c == u' ' || digit(c) || letter(c);
    case 2: return back || c == u' ' || digit(c);
    case 3: return back || digit(c) || (c >= u'A' && c <= u'Z') || c == u'-';
    case 4: return c == u'/' || back || digit(c);
    default: return true;
    }
}

QString orderKeyRefusal(int field)
{
    switch (field) {
    case 0:
        return QStringLiteral("Your keyboard entry is invalid.\nNumeric or punctuation characters are not required in "
                              "customer names.");
    case 1: return QStringLiteral("Your keyboard input is invalid.");
    case 2: return QStringLiteral("Your key-press is invalid, only numeric characters are accepted.");
    case 3:
        return QStringLiteral(
            "Your keyboard entry is not valid for a product code. Lower case characters are reserved.");
    case 4: return QStringLiteral("Your keyboard entry is invalid.\nOnly numeric characters are allowed.");
    default: return QString();
    }
}

DateCheck checkDeliveryDate(const QString& text, const QDate& today)
{
    const QString t = text.trimmed();
    QDate d = QDate::fromString(t, QStringLiteral("d/M/yyyy"));
    if (!d.isValid())
        d = QDate::fromString(t, QStringLiteral("M/d/yyyy"));
    if (!d.isValid())
        return DateCheck::NotADate;
    return d > today.addDays(2) ? DateCheck::Accepted : DateCheck::TooSoon;
}

QString dateMessage(DateCheck check)
{
    switch (check) {
    case DateCheck::NotADate: return QStringLiteral("Your date input is invalid please re-check.");
    case DateCheck::TooSoon:
        return QStringLiteral("Your delivery date cannot be accepted, you should allow three days for order processing.");
    default: return QString();
    }
}

}  // namespace orr::data
