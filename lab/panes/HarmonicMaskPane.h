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
class QLabel;
class QPushButton;
class QToolButton;

namespace Fourier {

class HarmonicMaskPane : public QWidget {
    Q_OBJECT

  public:
    explicit HarmonicMaskPane(QWidget* parent = nullptr);

    const THarmonicMask& Mask() const { return mask_; }
    QList<QAction*> KeyActions() const { return keys_; }
    QToolButton* MuteButton(int k) const { return mutes_.at(k - 1); }
    QToolButton* SoloButton(int k) const { return solos_.at(k - 1); }
    // The keys, for the lab's help.
    static QString KeyHelp();

  signals:
    void maskChanged(const Fourier::THarmonicMask& mask);

  public slots:
    void ToggleMute(int k);
    void ToggleSolo(int k);
    void ClearAll();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();
    void Show();

    THarmonicMask mask_;
    std::array<QToolButton*, THarmonicMask::Count> mutes_{};
    std::array<QToolButton*, THarmonicMask::Count> solos_{};
    QList<QAction*> keys_;
    QList<QLabel*> rowNames_; // «Выключить», «Соло», «Выключить», «Соло»
    QPushButton* clear_ = nullptr;
    QLabel* help_ = nullptr;
};

} // namespace Fourier
