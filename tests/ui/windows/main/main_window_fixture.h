#pragma once

#include "support/recording_desktop.h"
#include "ui/windows/main/formain.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The main window on a word list of its own in a temporary folder, shown
// (headless), with a recording desktop in place of the real one.
class MainWindowFixture {
public:
    explicit MainWindowFixture(const QByteArray& wordList) {
        QFile file(dictionary);
        if (file.open(QIODevice::WriteOnly))
            file.write(wordList);
        open();
    }
    // No word list at the given place in the folder; a test may put something
    // else there.
    struct NoWordList {
        const char* at = "dictionary.txt";
    };
    explicit MainWindowFixture(NoWordList none) : dictionary(folder.filePath(QString::fromLatin1(none.at))) {
        open();
    }

    QTemporaryDir folder;
    QString dictionary = folder.filePath(QStringLiteral("dictionary.txt"));
    RecordingDesktop desktop;
    std::unique_ptr<formain> window;

    QByteArray wordListBytes() const {
        QFile file(dictionary);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void type(const QString& text) { QTest::keyClicks(window->Text2, text); }
    void pressEnter() { QTest::keyClick(window->Text2, Qt::Key_Return); }

    // Leaves the option group with none selected, as only the locked mode can.
    void selectNoOption() {
        for (QRadioButton* option : {window->Option1, window->Option2, window->Option3, window->Option4}) {
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
    }

private:
    void open() {
        window = std::make_unique<formain>(QFile::encodeName(dictionary).toStdString(), desktop);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the main window was not exposed");
    }
};

// The shipped list's style: one word a line, CR LF.
inline QByteArray wordList(std::initializer_list<const char*> words) {
    QByteArray bytes;
    for (const char* word : words)
        bytes += QByteArray(word) + "\r\n";
    return bytes;
}
