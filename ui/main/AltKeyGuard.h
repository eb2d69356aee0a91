#pragma once

#include <QObject>

/// Alt with a letter is the key of a control. Qt hands an Alt key that no control has to the
/// focused field, which then types the letter; the guard drops such keys in every window of the
/// program while it lives. Ctrl+Alt (AltGr on Windows) still types.
class AltKeyGuard : public QObject {
    Q_OBJECT
public:
    explicit AltKeyGuard(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
