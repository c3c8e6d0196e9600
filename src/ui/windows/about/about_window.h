#pragma once

#include "ui/framework/control_binding.h"

#include <QWidget>
#include <cstdint>

class Desktop;
class QLabel;
class QPushButton;
class SystemInformation;
class WindowSurface;

// The About window: who made the program, a link to the maker's web page, and
// the start of the system-information tool. It unloads itself when closed.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    frmAbout(Desktop& desktop, SystemInformation& systemInformation, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // How reading one value went; `Failed` ends StartSysInfo with its message
    // like any other failure on its way.
    enum class KeyRead { Read, NotRead, Failed };

    ControlBindings bindings();
    void Form_Load();
    void Form_MouseMove();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label2_Click();
    void Label2_MouseMove();

    void StartSysInfo();
    KeyRead GetKeyValue(std::uint32_t root, const QString& keyName, const QString& valueName, QString& value);

    void setLinkLook(bool hover);

    Desktop& desktop_;
    SystemInformation& systemInformation_;

    WindowSurface* surface;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QLabel* lblDisclaimer;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* picIcon;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
};
