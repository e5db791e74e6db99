// The order form's validation rules: which keys each field accepts, the
// message for a refused key, and the delivery-date check.
#pragma once

#include <QDate>
#include <QString>

namespace orr::data {

inline constexpr int kOrderFields = 5;  // name, address, telephone, product code, delivery date

// Whether a key (its character; backspace is '\b') is allowed in the field.
bool orderKeyAllowed(int field, QChar key);
// The message shown when a key is refused in the field.
QString orderKeyRefusal(int field);

enum class DateCheck { Accepted, NotADate, TooSoon };
// dd/mm/yyyy is tried first, then mm/dd/yyyy; a date must be later than today plus two days.
DateCheck checkDeliveryDate(const QString& text, const QDate& today);
QString dateMessage(DateCheck check);

}  // namespace orr::data
