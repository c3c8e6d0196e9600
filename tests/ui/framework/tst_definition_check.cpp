// The check of a window definition against the bindings of its class: one
// small window that fits, and each way of not fitting.

#include "ui/framework/definition_check.h"
#include "ui/framework/definition_names.h"
#include "ui/framework/window_builder.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>
#include <functional>

namespace {

using namespace definition_names;

// The members of the small window's class.
struct Members {
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QMenu* color = nullptr;
    QAction* vbRed = nullptr;
    QLabel* spare = nullptr; // bound only where a name is bound twice
};

WindowDefinition smallWindow() {
    // clang-format off
    return {
        {"formSmall", "Small", Sizable, Normal, 3000, 2000, ChosenBySystem, System, System, NoIcon, NoPicture},
        {
            {"Command1", Button, Window,   120, 120, 1200, 495, 0,    "!! Go !!",  NoFont, System, System},
            {"Frame1",   Frame,  Window,   120, 720, 2400, 900, 1,    "Choice",    NoFont, System, System},
            {"Option1",  Option, "Frame1", 120, 240, 1800, 300, 2,    "One",       NoFont, System, System},
            {"Text1",    TextBox, Window,  120, 1980, 2400, 300, 3,    "",          NoFont, System, System},
            {"Label1",   Label,  Window,   120, 1680, 2400, 255, None, "A label",  NoFont, System, System},
        },
        {
            {"Command1", "Click here"},
        },
        {
            {"color", "&Colour", 0},
            {"vbRed", "Red",     1},
        },
        {},
        {
            {"Label1", "Text1"},
        },
    };
    // clang-format on
}

ControlBindings bindingsOf(Members& members) {
    return {
        {"Command1", members.Command1}, {"Frame1", members.Frame1}, {"Option1", members.Option1},
        {"Label1", members.Label1},     {"color", members.color},   {"vbRed", members.vbRed},
        {"Text1", members.Text1},
    };
}

// A change to the small window or its bindings, and the problem it must give.
using Change = std::function<void(WindowDefinition&, ControlBindings&, Members&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class DefinitionCheck : public QObject {
    Q_OBJECT
private slots:
    void problems_data();
    void problems();
    void buildingBindsEveryMember();
    void buildingWarnsOfEachProblem_data();
    void buildingWarnsOfEachProblem();
    void aMemberWithoutAControlIsNull();
};

void DefinitionCheck::problems_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("problem"); // the whole list, joined; empty when all fits

    QTest::newRow("all fits") << Change([](WindowDefinition&, ControlBindings&, Members&) {}) << "";
    QTest::newRow("tool tip for a misspelt control")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.toolTips[0].control = "Comand1"; })
        << "the tool tip for Comand1 names no control of the window";
    QTest::newRow("second tool tip for a control")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) {
               d.toolTips.push_back({"Command1", "Again"});
           })
        << "Command1 has two tool tips";
    QTest::newRow("row without a member")
        << Change([](WindowDefinition&, ControlBindings& b, Members&) { b.erase(b.begin() + 3); })
        << "Label1 of the definition is bound to no member";
    QTest::newRow("member without a row")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.controls.pop_back(); })
        << "Label1 describes Text1 but is no label of the window; the member Label1 has no row in the "
           "definition";
    QTest::newRow("misspelt member name") << Change([](WindowDefinition&, ControlBindings& b, Members& m) {
        b[3] = {"Lable1", m.Label1};
    }) << "the member Lable1 has no row in the definition; Label1 of the definition is bound to no member";
    QTest::newRow("member of a class the control is not")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.controls[0].kind = Label; })
        << "Command1 is made a QLabel, which its member, a QPushButton, cannot hold";
    QTest::newRow("name of two rows") << Change([](WindowDefinition& d, ControlBindings&, Members&) {
        d.controls.push_back(d.controls.back());
    }) << "Label1 is the name of two rows";
    QTest::newRow("member bound twice") << Change([](WindowDefinition&, ControlBindings& b, Members& m) {
        b.push_back({"Label1", m.spare});
    }) << "Label1 is bound to two members";
    QTest::newRow("two names bound to one member")
        << Change([](WindowDefinition&, ControlBindings& b, Members& m) {
               b[3] = {"Label1", m.Command1};
           })
        << "Command1 and Label1 are bound to the same member; Label1 is made a QLabel, which its member, a "
           "QPushButton, cannot hold";
    QTest::newRow("container that is no frame")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.controls[2].container = "Label1"; })
        << "Option1 lies in Label1, which is no frame on the window";
    QTest::newRow("menu item two levels deeper")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.menus[1].level = 2; })
        << "the menu item vbRed lies more than one level below the item before it";
    QTest::newRow("submenu bound as an action")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.menus.pop_back(); })
        << "color is made a QAction, which its member, a QMenu, cannot hold; the member vbRed has no row in "
           "the definition";

    QTest::newRow("text box named in words instead of by a label")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) {
               d.labels.clear();
               d.accessibleNames.push_back({"Text1", "Word"});
           })
        << "";
    QTest::newRow("text box that never takes the focus, without a name")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) {
               d.labels.clear();
               d.controls[3].tabIndex = None;
           })
        << "";
    QTest::newRow("text box without a label or a name")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.labels.clear(); })
        << "Text1 takes the focus but has no caption, label or name for screen readers";
    QTest::newRow("button with an empty caption")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.controls[0].caption = "&"; })
        << "Command1 takes the focus but has no caption, label or name for screen readers";
    QTest::newRow("label that is a button")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.labels[0].label = "Command1"; })
        << "Command1 describes Text1 but is no label of the window";
    QTest::newRow("label of a misspelt control")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) { d.labels[0].control = "Txet1"; })
        << "the label Label1 describes Txet1, which is no control of the window; Text1 takes the focus but "
           "has "
           "no caption, label or name for screen readers";
    QTest::newRow("label and name for one control")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) {
               d.accessibleNames.push_back({"Text1", "Word"});
           })
        << "Text1 has two labels or names";
    QTest::newRow("name for a misspelt control")
        << Change([](WindowDefinition& d, ControlBindings&, Members&) {
               d.accessibleNames.push_back({"Comand1", "Go"});
           })
        << "the name for Comand1 names no control of the window";
    QTest::newRow("empty name") << Change([](WindowDefinition& d, ControlBindings&, Members&) {
        d.labels.clear();
        d.accessibleNames.push_back({"Text1", ""});
    }) << "the name of Text1 is empty";
}

void DefinitionCheck::problems() {
    QFETCH(Change, change);
    QFETCH(QString, problem);

    WindowDefinition definition = smallWindow();
    Members members;
    ControlBindings bindings = bindingsOf(members);
    change(definition, bindings, members);
    QCOMPARE(definitionProblems(definition, bindings).join(QStringLiteral("; ")), problem);
}

void DefinitionCheck::buildingBindsEveryMember() {
    const WindowDefinition definition = smallWindow();
    Members members;
    QMainWindow window;
    buildWindow(window, definition, bindingsOf(members));
    QCOMPARE(members.Command1->objectName(), QStringLiteral("Command1"));
    QCOMPARE(members.Option1->parentWidget(), members.Frame1);
    QCOMPARE(members.Label1->text(), QStringLiteral("A label"));
    QCOMPARE(members.color->title(), QStringLiteral("&Colour"));
    QCOMPARE(members.vbRed->text(), QStringLiteral("Red"));
    QCOMPARE(members.Command1->toolTip(), QStringLiteral("Click here"));
    QCOMPARE(members.Label1->buddy(), members.Text1);
    QCOMPARE(QAccessible::queryAccessibleInterface(members.Text1)->text(QAccessible::Name),
             QStringLiteral("A label"));
}

// Building warns of each problem, which the tests of the real windows fail
// on, and still gives a window, whatever the fault; a debug build stops at an
// assertion instead.
void DefinitionCheck::buildingWarnsOfEachProblem_data() {
    problems_data();
}

void DefinitionCheck::buildingWarnsOfEachProblem() {
#ifdef QT_NO_DEBUG
    QFETCH(Change, change);
    QFETCH(QString, problem);

    WindowDefinition definition = smallWindow();
    Members members;
    ControlBindings bindings = bindingsOf(members);
    change(definition, bindings, members);
    if (!problem.isEmpty())
        for (const QString& each : problem.split(QStringLiteral("; ")))
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("window definition formSmall: ") + each));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^window definition")));
    QMainWindow window;
    buildWindow(window, definition, bindings);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
#else
    QSKIP("a debug build fails an assertion on a problem");
#endif
}

// A member whose name has no control is null after building, not left as it was.
void DefinitionCheck::aMemberWithoutAControlIsNull() {
#ifdef QT_NO_DEBUG
    WindowDefinition definition = smallWindow();
    definition.controls.pop_back();
    definition.labels.clear();
    Members members;
    QLabel unrelated;
    members.Label1 = &unrelated;
    QTest::ignoreMessage(QtWarningMsg,
                         "window definition formSmall: the member Label1 has no row in the definition");
    QMainWindow window;
    buildWindow(window, definition, bindingsOf(members));
    QCOMPARE(members.Label1, nullptr);
#else
    QSKIP("a debug build fails an assertion on a problem");
#endif
}

QTEST_MAIN(DefinitionCheck)
#include "tst_definition_check.moc"
