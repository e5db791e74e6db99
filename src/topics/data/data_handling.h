// DataHandling: manual and computer data handling, data and information,
// verification, validation of an order form, processing methods and backups.
#pragma once

#include <QDate>
#include <QLineEdit>
#include <QTimer>
#include <array>
#include <vector>

#include "topics/framework/click_items.h"
#include "topics/framework/topic_form.h"

namespace orr {

class DataHandling;

// One field of the order form: passes each key to the window before taking it.
class DataEntryBox : public QLineEdit {
    Q_OBJECT
public:
    DataEntryBox(DataHandling* owner, QWidget* parent, int index);
    int index() const { return index_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    DataHandling* owner_;
    int index_;
};

class DataHandling : public TopicForm {
    Q_OBJECT
public:
    DataHandling();

    QTimer* Timer1 = nullptr;
    std::vector<DataEntryBox*> DataEntryBoxes;
    QLabel* Label1 = nullptr;
    int step = 0;           // panel of the stepped examples 5 and 6
    bool flashOn = false;   // scanned input drawn lit
    QDate fixedToday;       // when valid, used as today's date (tests)

    QDate today() const { return fixedToday.isValid() ? fixedToday : QDate::currentDate(); }

    void Trigger_Click(int index) override;
    void Picture1_MouseDown(double x, double y) override;
    void Timer1_Timer();
    // False when the key is refused (it is then discarded).
    bool DataEntryBox_KeyPress(int index, QChar key);
    void DataEntryBox_LostFocus(int index);
    // The click items of the example as shown now.
    ClickItems currentItems() const;

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& p) override;
    QString quantityTypeFor(int, int) const override { return QStringLiteral("Positive Integer No."); }
    void takeValue(int, int, double) override {}
    void formDeactivate() override;
    void formActivate() override;

private:
    void drawUnits(const ClickItems& items, int firstLabelled = 0);
    void drawOrderForm();
    void drawBackups();
    void showFields(bool on);
};

QString dataHandlingCaption(int e);
// The click items of an example; examples 5 and 6 by their panel.
ClickItems dataHandlingItems(int e, int panel);
void dataHandlingTheory(int e, std::array<QString, 4>& p);

}  // namespace orr
