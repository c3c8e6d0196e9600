// Every window as the user sees it on any desktop: the same colours under a
// dark desktop theme as under a light one, button captions in good contrast
// with their faces, every caption inside its box at its definition's font,
// and Enter clicking the focused button.

#include "support/recording_desktop.h"
#include "ui/framework/classic_look.h"
#include "ui/widgets/caption_button.h"
#include "ui/widgets/caption_option.h"
#include "ui/windows/every_window.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QToolTip>
#include <QtTest>
#include <cmath>
#include <functional>
#include <map>
#include <memory>

namespace {

QPalette lightDesktop() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

// A dark desktop, as GNOME's dark style or a dark KDE colour scheme hands it
// to Qt: for the application and for the classes of widgets a theme may
// colour on their own.
QPalette darkDesktop() {
    QPalette dark = lightDesktop();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base,
                                               QPalette::AlternateBase, QPalette::ToolTipBase})
            dark.setColor(group, role, QColor(0x24, 0x24, 0x24));
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::ToolTipText})
            dark.setColor(group, role, QColor(0xF0, 0xF0, 0xF0));
        dark.setColor(group, QPalette::Highlight, QColor(0x35, 0x84, 0xE4));
        dark.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        dark.setColor(group, QPalette::Dark, QColor(0x10, 0x10, 0x10));
    }
    return dark;
}

void handInDesktop(const QPalette& desktop) {
    QApplication::setPalette(desktop);
    for (const char* themed : {"QAbstractButton", "QRadioButton", "QLabel", "QGroupBox", "QLineEdit",
                               "QTextEdit", "QAbstractScrollArea", "QMenu", "QMenuBar"})
        QApplication::setPalette(desktop, themed);
    QToolTip::setPalette(desktop);
}

// Each named control of the window as painted, by name.
std::map<QString, QImage> paintedControls(QWidget& window) {
    std::map<QString, QImage> painted;
    painted.emplace(window.objectName(), window.grab().toImage());
    for (QWidget* control : window.findChildren<QWidget*>())
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")))
            painted.emplace(control->objectName(), control->grab().toImage());
    return painted;
}

// WCAG's relative luminance and contrast ratio.
double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Caption {
    QString text;
    QRect area;
    int flags;
};

// Where each kind of control draws its caption, and how.
std::optional<Caption> captionOf(const QWidget& control) {
    if (const auto* button = qobject_cast<const CaptionButton*>(&control))
        return Caption{button->text(), button->captionArea(), CaptionButton::kCaptionFlags};
    if (const auto* option = qobject_cast<const CaptionOption*>(&control))
        return Caption{option->text(), option->captionArea(), CaptionOption::kCaptionFlags};
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        // On the top line, as far from its right end as from its left one.
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        const int indent = frame->style()
                               ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
                               .left();
        return Caption{frame->title(), QRect(0, 0, frame->width() - 2 * indent, frame->height()),
                       Qt::AlignLeft};
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control); label && label->pixmap().isNull())
        return Caption{label->text(), label->contentsRect(),
                       int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    return std::nullopt;
}

} // namespace

class WindowLook : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void darkDesktopChangesNothing_data();
    void darkDesktopChangesNothing();
    void buttonCaptionsContrast_data();
    void buttonCaptionsContrast();
    void captionsFit_data();
    void captionsFit();
    void enterClicksFocusedButton_data();
    void enterClicksFocusedButton();
    void focusIsVisible_data();
    void focusIsVisible();

private:
    RecordingDesktop desktop_;
    NoSystemInformation systemInformation_;
};

void WindowLook::initTestCase() {
    installClassicLook();
}

void WindowLook::darkDesktopChangesNothing_data() {
    QTest::addColumn<int>("window");
    for (std::size_t i = 0; i < everyWindow().size(); ++i)
        QTest::newRow(everyWindow()[i].name) << int(i);
}

void WindowLook::darkDesktopChangesNothing() {
    QFETCH(int, window);
    const auto& make = everyWindow()[std::size_t(window)].make;

    handInDesktop(lightDesktop());
    installClassicLook();
    const std::map<QString, QImage> light = paintedControls(*make(desktop_, systemInformation_));

    handInDesktop(darkDesktop());
    installClassicLook();
    const std::map<QString, QImage> dark = paintedControls(*make(desktop_, systemInformation_));

    QCOMPARE(dark.size(), light.size());
    for (const auto& [name, image] : light) {
        QVERIFY2(dark.count(name), qPrintable(name));
        QVERIFY2(dark.at(name) == image, qPrintable(name + QStringLiteral(" is painted differently")));
    }
}

void WindowLook::buttonCaptionsContrast_data() {
    darkDesktopChangesNothing_data();
}

// WCAG AA asks 4.5:1 for text of this size.
void WindowLook::buttonCaptionsContrast() {
    QFETCH(int, window);
    const std::unique_ptr<QWidget> built =
        everyWindow()[std::size_t(window)].make(desktop_, systemInformation_);
    for (const QPushButton* button : built->findChildren<QPushButton*>()) {
        const QPalette& colours = button->palette();
        const double ratio = contrast(colours.color(QPalette::ButtonText), colours.color(QPalette::Button));
        qInfo("%s: caption against face %.1f:1", qPrintable(button->objectName()), ratio);
        QVERIFY2(ratio >= 4.5, qPrintable(button->objectName()));
    }
}

void WindowLook::captionsFit_data() {
    darkDesktopChangesNothing_data();
}

// From the font's own metrics: no line of a caption is wider than the room
// its control gives it, and its lines are no taller (one line by its glyphs,
// since the blank above and below them may overlap the edge unseen).
void WindowLook::captionsFit() {
    QFETCH(int, window);
    const std::unique_ptr<QWidget> built =
        everyWindow()[std::size_t(window)].make(desktop_, systemInformation_);
    for (const QWidget* control : built->findChildren<QWidget*>()) {
        const std::optional<Caption> caption = captionOf(*control);
        if (!caption || caption->text.isEmpty())
            continue;
        const QFontMetrics metrics(control->font());
        const QRect lines =
            metrics.boundingRect(QRect(0, 0, caption->area.width(), 100000), caption->flags, caption->text);
        const QRect glyphs = metrics.tightBoundingRect(caption->text);
        const bool oneLine = lines.height() <= metrics.height();
        const int height = oneLine ? glyphs.height() : lines.height();
        const QFontInfo face(control->font());
        qInfo("%s: %s %.2f pt -> %s, stretch %d: %d x %d px in %d x %d", qPrintable(control->objectName()),
              qPrintable(control->font().family()), control->font().pointSizeF(), qPrintable(face.family()),
              control->font().stretch() ? control->font().stretch() : 100, lines.width(), height,
              caption->area.width(), caption->area.height());
        QVERIFY2(lines.width() <= caption->area.width(), qPrintable(control->objectName() + " is too wide"));
        QVERIFY2(height <= caption->area.height(), qPrintable(control->objectName() + " is too tall"));
    }
}

void WindowLook::enterClicksFocusedButton_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("key");
    for (std::size_t i = 0; i < everyWindow().size(); ++i) {
        QTest::addRow("%s, Return", everyWindow()[i].name) << int(i) << int(Qt::Key_Return);
        QTest::addRow("%s, Enter", everyWindow()[i].name) << int(i) << int(Qt::Key_Enter);
    }
}

void WindowLook::enterClicksFocusedButton() {
    QFETCH(int, window);
    QFETCH(int, key);
    const std::unique_ptr<QWidget> built =
        everyWindow()[std::size_t(window)].make(desktop_, systemInformation_);
    built->show();
    QVERIFY(QTest::qWaitForWindowExposed(built.get()));
    for (QPushButton* button : built->findChildren<QPushButton*>()) {
        // Only the click counts here, not what it does.
        QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
        QSignalSpy clicks(button, &QPushButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key));
        QVERIFY2(clicks.size() == 1, qPrintable(button->objectName()));
    }
}

void WindowLook::focusIsVisible_data() {
    darkDesktopChangesNothing_data();
}

// Every control the Tab key reaches looks different while it has the focus.
void WindowLook::focusIsVisible() {
    QFETCH(int, window);
    const std::unique_ptr<QWidget> built =
        everyWindow()[std::size_t(window)].make(desktop_, systemInformation_);
    built->show();
    QVERIFY(QTest::qWaitForWindowExposed(built.get()));
    built->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(built.get()));
    for (QWidget* control : built->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || !(control->focusPolicy() & Qt::TabFocus) ||
            !control->isVisibleTo(built.get()))
            continue;
        control->clearFocus();
        const QImage without = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        QVERIFY(control->hasFocus());
        const QImage with = control->grab().toImage();
        QVERIFY2(with != without, qPrintable(control->objectName() + " shows no focus"));
    }
}

QTEST_MAIN(WindowLook)
#include "tst_window_look.moc"
