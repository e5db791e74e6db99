// Figure pieces the logic gate windows share: the truth-table box, Boolean
// expressions with negation bars, the record of where each node value was
// printed, and wires with a bend.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "topics/logic/gate_model.h"

namespace orr::logic {

// Where a node's value was printed, in the picture's scale units (the
// horizontal text offset added, y multiplied by the drawing scale), which is
// where the picture's text log holds it.
struct NodeProbe {
    QString name;
    double x = 0;
    double y = 0;
};

// The values a window printed during its last redraw.
class ProbeLog {
public:
    void clear() { probes_.clear(); }
    // Records a value printed at design position (x, y).
    void record(const QString& name, int x, int y);
    const std::vector<NodeProbe>& probes() const { return probes_; }

private:
    std::vector<NodeProbe> probes_;
};

// A truth table: a yellow box with "Truth Table" on top, the header row and
// one row per entry, printed with DrawTruthRow between ruled lines. Columns are
// columnWidth apart from left; the text of each row starts textInset right of
// left. Row highlight (0-based, or -1) is shaded white: the row that matches
// the present inputs.
struct TruthTableBox {
    int left = 0;
    int top = 0;
    int width = 100;
    int columnWidth = 33;
    int textInset = 10;
};
void drawTruthTable(const TruthTableBox& box, const QString& header, const QStringList& rows, int highlight);

// Prints a Boolean expression written with "~" for negation: "~A" bars the
// next letter or digit, "~(...)" bars what the brackets hold (the brackets are
// not printed), and bars nest. The plain text is printed in one piece (so the
// text log holds it whole); each bar is a short draw string in barColour over
// its part. Returns the logical x just after the text.
int printExpression(int x, int y, const QString& markup, long colour, int size, int bold, long barColour);
// The printed width of an expression, in picture units.
int expressionWidth(const QString& markup, int size, int bold);
// The expression without its "~" marks and bracket pairs, as printed.
QString plainExpression(const QString& markup);

// The gate symbol of a kind, large or small, anchored as the symbol library
// anchors it (left edge of the body, vertical centre).
void drawLargeGate(GateKind kind, int x, int y);
void drawSmallGate(GateKind kind, int x, int y);
// A gate's name printed small inside its body.
void gateName(int x, int y, const QString& name);

// A wire from (x1, y1) to (x2, y2): straight when the heights agree, else
// across to bendX, up or down, and across to the end.
void wire(int x1, int y1, int x2, int y2, int bendX);

}  // namespace orr::logic
