#pragma once

#include "data/Decimal4.h"

#include <QFrame>
#include <QLineEdit>
#include <QMap>
#include <optional>

class QLabel;
class QPushButton;
class QToolButton;

// The small calculator that drops down from a money box. Keys: digits, ".",
// "+", "-", "*", "/", "=", "C" (clear); Enter is "=", Escape closes it.
class TMoneyCalculator : public QFrame {
    Q_OBJECT
public:
    explicit TMoneyCalculator(QWidget* parent = nullptr);

    // Starts a new calculation from the box's text.
    void start(const QString& text);
    void press(QChar key);
    QString display() const;
    QPushButton* button(QChar key) const { return m_buttons.value(key); }

signals:
    // "=" gave an amount the box can hold.
    void resultReady(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showEntry();
    bool applyPending();

    QLabel* m_display;
    QMap<QChar, QPushButton*> m_buttons;
    QString m_entry;             // digits being typed; empty after an operator
    std::optional<Decimal4> m_acc; // left operand
    QChar m_op;                  // pending operator, null when none
    bool m_error = false;
};

// A money box: takes only a decimal amount (digits and one decimal point,
// up to four decimals); its button opens the calculator, whose result
// replaces the text.
class TMoneyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMoneyEdit(QWidget* parent = nullptr);

    void setValue(Decimal4 v);
    // The amount typed; nullopt while the text is empty or only ".".
    std::optional<Decimal4> value() const;

    QToolButton* btnCalculator() const { return m_button; }
    TMoneyCalculator* calculator() const { return m_calculator; }
    void showCalculator();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* m_button;
    TMoneyCalculator* m_calculator;
};
