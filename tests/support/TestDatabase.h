#pragma once

#include "app/MessageBoxes.h"
#include "data/FbConnection.h"
#include "data/UdmMain.h"

#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A fresh shop database file made from the project's scripts, with dmMain
// connected to it for the life of the fixture. One per test case.
class TestDatabase {
public:
    enum Contents { SchemaOnly, Demo };
    explicit TestDatabase(Contents contents = SchemaOnly);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    FbConnection::Params params() const;

    // Plain helpers for arranging and checking, in transactions of their own.
    void exec(const QString& sql);
    FbValue scalar(const QString& sql);
    qint64 count(const QString& tableAndWhere); // SELECT COUNT(*) FROM ...
    std::vector<std::vector<FbValue>> rows(const QString& sql);

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Answers and records what the program shows (message boxes, questions,
// prompts, modal windows) for the life of the object.
class RecordingMessages : public Messages::Hook {
public:
    RecordingMessages();
    ~RecordingMessages() override;

    std::vector<Messages::Shown> shown;
    // Answers to confirmations, in order; then defaultAnswer.
    std::deque<bool> answers;
    bool defaultAnswer = true;
    // Answers to text prompts (nullopt: Cancel); then the default text.
    std::deque<std::optional<QString>> inputs;
    // Drivers for modal windows, in order; a window with none is rejected.
    std::deque<std::function<void(QDialog&)>> modals;

    QStringList texts() const;
    QStringList errors() const;

    bool answer(const Messages::Shown& s) override;
    std::optional<QString> answerInput(const Messages::Shown& s, const QString& defaultText) override;
    void runModal(QDialog& dialog) override;

private:
    Messages::Hook* m_previous;
};
