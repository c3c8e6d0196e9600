#pragma once

#include "ui/framework/desktop.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>

// A desktop for tests: notes every message, answers confirmations as told,
// hands out the random values it was given, and never opens a window.
class RecordingDesktop : public Desktop {
public:
    QStringList messages;      // every message and confirmation text, in order
    std::deque<bool> answers;  // the answers to the next confirmations; OK when empty
    std::deque<float> randoms; // the next random values; 0 when empty
    int seeds = 0;
    QList<QUrl> openedUrls;
    QStringList startedPrograms;
    bool programsStart = true;
    int programEnds = 0;

    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& text) override {
        messages << text;
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void seedRandomFromClock() override { ++seeds; }
    float nextRandom() override {
        if (randoms.empty())
            return 0.0f;
        const float value = randoms.front();
        randoms.pop_front();
        return value;
    }
    void openUrl(const QUrl& address) override { openedUrls << address; }
    void endProgram() override { ++programEnds; }
    bool startProgram(const QString& path) override {
        startedPrograms << path;
        return programsStart;
    }
};
