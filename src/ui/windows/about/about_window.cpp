#include "ui/windows/about/about_window.h"

#include "platform/system_information.h"
#include "ui/framework/control_colours.h"
#include "ui/framework/control_events.h"
#include "ui/framework/desktop.h"
#include "ui/framework/window_builder.h"
#include "ui/framework/window_surface.h"
#include "ui/windows/about/about_window_definition.h"

#include <QCursor>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

namespace {

QCursor linkCursor() {
    return QCursor(QPixmap(QString::fromLatin1(kLinkCursor)), kLinkCursorHotX, kLinkCursorHotY);
}

} // namespace

frmAbout::frmAbout(Desktop& desktop, SystemInformation& systemInformation, QWidget* parent)
    : QWidget(parent), desktop_(desktop), systemInformation_(systemInformation) {
    setAttribute(Qt::WA_DeleteOnClose);
    surface = &buildWindow(*this, aboutWindowDefinition(), bindings());

    // Enter clicks cmdOK, or cmdSysInfo while that has the focus; Esc clicks
    // cmdOK (keyPressEvent).
    cmdOK->setDefault(true);
    cmdSysInfo->setAutoDefault(true);
    cmdOK->setFocus();
    Label2->setCursor(linkCursor());

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    onClick(*Label2, [this] { Label2_Click(); });
    onMouseMove(*Label2, [this] { Label2_MouseMove(); });
    onMouseMove(*surface, [this] { Form_MouseMove(); });

    Form_Load();
}

ControlBindings frmAbout::bindings() {
    return {
        {"cmdOK", cmdOK},       {"cmdSysInfo", cmdSysInfo}, {"lblDisclaimer", lblDisclaimer},
        {"lblTitle", lblTitle}, {"lblVersion", lblVersion}, {"picIcon", picIcon},
        {"Label1", Label1},     {"Label2", Label2},         {"Label3", Label3},
        {"Label4", Label4},
    };
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        cmdOK->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void frmAbout::Form_Load() {
    setWindowTitle(QString::fromLatin1(kAboutLoadedCaption));
}

void frmAbout::Form_MouseMove() {
    setLinkLook(false);
}

void frmAbout::Label2_MouseMove() {
    setLinkLook(true);
}

void frmAbout::setLinkLook(bool hover) {
    QFont font = Label2->font();
    font.setBold(hover);
    font.setUnderline(hover);
    Label2->setFont(font);
    setControlForeground(*Label2, hover ? kLinkHoverColour : kLinkRestColour);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::Label2_Click() {
    desktop_.openUrl(QUrl(Label2->text().trimmed()));
}

void frmAbout::StartSysInfo() {
    QString toolPath;
    KeyRead read =
        GetKeyValue(kLocalMachine, QLatin1String(kToolKey), QLatin1String(kToolPathValue), toolPath);
    if (read == KeyRead::NotRead) {
        QString folder;
        read = GetKeyValue(kLocalMachine, QLatin1String(kToolFolderKey), QLatin1String(kToolFolderValue),
                           folder);
        toolPath = folder + QDir::separator() + QLatin1String(kToolFileName);
        if (read == KeyRead::Read && !systemInformation_.fileExists(toolPath))
            read = KeyRead::NotRead;
    }
    // A value of another type leaves the path empty, and nothing can start from that.
    const bool started = read == KeyRead::Read && !toolPath.isEmpty() && desktop_.startProgram(toolPath);
    if (!started)
        desktop_.showMessage(this, QString::fromLatin1(kSystemInformationUnavailable));
}

frmAbout::KeyRead frmAbout::GetKeyValue(std::uint32_t root, const QString& keyName, const QString& valueName,
                                        QString& value) {
    const std::optional<RegistryValue> found = systemInformation_.lookUp(root, keyName, valueName);
    if (!found || found->data.size() > kValueBufferSize) {
        value.clear();
        return KeyRead::NotRead;
    }
    const std::optional<QString> text = decodeKeyValue(*found, value);
    if (!text)
        return KeyRead::Failed;
    value = *text;
    return KeyRead::Read;
}
