// GraphEditor: up to three learner expressions evaluated by the script
// control over a range of x and plotted through the shared chart procedure.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "platform/chart.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/script_control.h"
#include "shell/chart_source.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QStackedWidget;
class QToolButton;

namespace orr {

class GraphEditor : public Form, public ChartSource {
    Q_OBJECT
public:
    GraphEditor();

    // The values, in the order of their labels and of the statements pushed.
    static constexpr int kValues = 19;  // a b c d m n x x1 x2 k(0..6) q(0..2)
    static QString valueName(int i);

    std::array<QLineEdit*, 3> EquationTextBox{};
    std::array<Label*, 3> Label4{};
    std::vector<CommandButton*> SelectButton;
    std::vector<Label*> InputLabel;
    std::vector<CommandButton*> Digits;
    CommandButton* MoveTo = nullptr;
    std::array<CommandButton*, 2> Clear{};
    CommandButton* ReFreshButton = nullptr;
    CommandButton* Examples = nullptr;
    CommandButton* DefaultValues = nullptr;
    CommandButton* DefaultEquations = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    std::array<QToolButton*, 2> Toolbar1{};
    ChartControl* MSChart1 = nullptr;
    Label* Prompt = nullptr;
    ScriptControl ScriptControl1;

    void formLoad() override;
    void formActivate() override;

    bool showsChart() const override;
    void copyChartToClipboard() override;

    void ReFreshButton_Click();
    void Digits_Click(int index);
    void MoveTo_Click();
    void Clear_Click(int index);
    void Combo1_Click();
    void Combo2_Click();
    void Examples_Click();
    void Toolbar1_ButtonClick(int index);
    void setDefaultValues();
    void setDefaultEquations();

    double value(int i) const { return values_[size_t(i)]; }
    void setValue(int i, double v);
    int editTarget() const { return target_; }
    // Rows the last plot evaluated.
    int plottedRows() const { return plottedRows_; }

private:
    void buildControls();
    void InputLabel_Change(int index);
    void SelectButton_Click(int index);
    void applyStatistics();
    void insertItem(const QString& item);
    std::array<double, kValues> values_{};
    std::array<std::vector<QString>, 3> inserted_;
    int target_ = 0;
    int plottedRows_ = 0;
    QStackedWidget* views_ = nullptr;
};

// The four paragraphs of the graph editor's help.
std::array<QString, 4> graphEditorHelp();

}  // namespace orr
