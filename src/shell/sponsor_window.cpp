// The sponsor window: a local welcome page of the suite, kept placed inside
// the main window behind the other windows.
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/form.h"

namespace orr {

namespace {

const char* const kWelcome = R"(<html><body style="font-family: Verdana; margin: 18px">
<table width="100%"><tr><td width="46%"></td><td>
<h2 style="color:#1a4a7a">Welcome to Orrinvale V10</h2>
<p>An interactive tutorial suite for courses on computers, digital electronics, data handling and programming.</p>
<h3>Getting started</h3>
<ol>
<li>Open the <b>Contents</b> window from the menu bar.</li>
<li>Expand a branch (<i>Computing</i>, <i>Digital Techniques</i>, <i>Microprocessor</i>) and click an example,
or type a word into the <b>Search</b> box and click an entry of the list.</li>
<li>Change a value with the button below the diagram: the diagram and its results are redrawn at once.</li>
<li>Use the toolbar to read the topic notes, show the calculations, print a page or copy the picture.</li>
<li>Step through the examples with <b>&lt;</b> and <b>Search &gt;</b> on the menu bar.</li>
</ol>
<p>The <b>Editors and Programming</b> menu opens the equation, graph, statistics and logic editors and the
programming workbench.</p>
</td></tr></table>
</body></html>)";

class Sponsor : public Form {
public:
    Sponsor() : Form(QStringLiteral("Sponsor"))
    {
        setCaption(QStringLiteral("Orrinvale V10 : Welcome"));
        auto* lay = new QVBoxLayout(this);
        lay->setContentsMargins(0, 0, 0, 0);
        auto* page = new QTextBrowser(this);
        page->setObjectName(QStringLiteral("WebBrowser1"));
        page->setOpenLinks(false);
        page->setHtml(QString::fromUtf8(kWelcome));
        lay->addWidget(page);
    }
};

RegisterForm<Sponsor> reg(QStringLiteral("Sponsor"));

}  // namespace
}  // namespace orr
