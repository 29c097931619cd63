#pragma once
// Muting and soloing harmonics 1..32: two rows of switches, and keys for the first ten
// (1..9, 0 mute harmonics 1..10; Shift with the digit solos them). The keys are actions the
// lab window takes over with addActions(KeyActions()), so that they work wherever the
// keyboard focus is in the lab.
#include "HarmonicMask.h"

#include <QList>
#include <QWidget>

#include <array>

class QAction;
class QToolButton;

namespace Fourier {

class HarmonicMaskPane : public QWidget {
    Q_OBJECT

  public:
    explicit HarmonicMaskPane(QWidget* parent = nullptr);

    const THarmonicMask& Mask() const { return Current; }
    QList<QAction*> KeyActions() const { return Keys; }
    QToolButton* MuteButton(int k) const { return Mutes.at(k - 1); }
    QToolButton* SoloButton(int k) const { return Solos.at(k - 1); }
    // The keys, for the lab's help.
    static QString KeyHelp();

  signals:
    void maskChanged(const Fourier::THarmonicMask& mask);

  public slots:
    void ToggleMute(int k);
    void ToggleSolo(int k);
    void ClearAll();

  private:
    void Show();

    THarmonicMask Current;
    std::array<QToolButton*, THarmonicMask::Count> Mutes{};
    std::array<QToolButton*, THarmonicMask::Count> Solos{};
    QList<QAction*> Keys;
};

} // namespace Fourier
