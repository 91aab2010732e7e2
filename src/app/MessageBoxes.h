#pragma once

#include <QString>
#include <functional>
#include <optional>

class QDialog;

// Every message box, question, text prompt and modal window of the program
// goes through here, so that tests can answer them instead of a person.
namespace Messages {

enum class Kind { Error, Information, Confirmation, Input };

struct Shown {
    Kind kind;
    QString caption;
    QString text;
};

void error(const QString& text);
void information(const QString& text);
// A Yes/No question; true for Yes.
bool confirm(const QString& text);
// A text prompt with OK and Cancel; nullopt for Cancel.
std::optional<QString> inputQuery(const QString& caption, const QString& prompt, const QString& defaultText);
// Shows a window modally and returns its result (QDialog::Accepted/Rejected).
int execModal(QDialog& dialog);

// The test side: while a hook is set, no box or modal window is shown.
class Hook {
public:
    virtual ~Hook() = default;
    // For confirmations: true answers Yes. Ignored for other kinds.
    virtual bool answer(const Shown& shown) = 0;
    virtual std::optional<QString> answerInput(const Shown& shown, const QString& defaultText) = 0;
    // Drives a modal window as the user would; returns when it is done.
    virtual void runModal(QDialog& dialog) = 0;
};
void setHook(Hook* hook);
Hook* hook();

} // namespace Messages
