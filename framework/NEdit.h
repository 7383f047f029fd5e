#pragma once

#include <QLineEdit>

#include <functional>

// The framework's edit. When the operator leaves it, OnBeforeExit runs (it may
// clear Validate), then OnValidate when Validate is still true. A check that
// fails shows its message and raises the silent abort, and the exit does not
// happen.
class TNEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNEdit(QWidget* Pai = nullptr);

    std::function<void(QWidget* Sender, bool& Validate)> OnBeforeExit;
    std::function<void(QWidget* Sender)> OnValidate;

    // Runs the exit events; false when a check refused the text.
    bool ExecutaSaida();

protected:
    // Runs before the exit events (the amount edit formats its value here).
    virtual void PreparaSaida() {}
};
