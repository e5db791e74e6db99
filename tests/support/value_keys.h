// Test support: a value entered as a learner enters it — the selector button
// clicked, the keys typed into the value-entry dialog, then Enter.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

#include "platform/form.h"
#include "topics/framework/topic_form.h"
#include "values/input_form.h"

namespace orr::test {

inline void typeIntoSelector(TopicForm* t, int index, const QString& typed)
{
    t->SelectButton_Click(index);
    auto* f = dynamic_cast<InputForm*>(FormRegistry::instance().loadedForm(QStringLiteral("InputForm")));
    ASSERT_NE(f, nullptr);
    for (QChar c : typed + QLatin1Char('\r')) {
        const int key = c == QLatin1Char('\r') ? int(Qt::Key_Return) : int(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(f->inputValue(), &press);
    }
    QApplication::processEvents();
}

}  // namespace orr::test
