#include "HarmonicMaskPane.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace Fourier {
namespace {

constexpr int KeyedHarmonics = 10; // digits 1..9 and 0

QToolButton* Switch(const QString& name, int k) {
    auto* button = new QToolButton;
    button->setObjectName(name + QString::number(k));
    button->setCheckable(true);
    button->setText(QString::number(k));
    button->setFocusPolicy(Qt::TabFocus);
    button->setMinimumWidth(24);
    button->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    return button;
}

} // namespace

HarmonicMaskPane::HarmonicMaskPane(QWidget* parent) : QWidget(parent) {
    setObjectName("HarmonicMaskPane");

    setStyleSheet(
        QStringLiteral("QToolButton[objectName^=\"Mute\"]:checked { background: #f3a6a6; }"
                       "QToolButton[objectName^=\"Solo\"]:checked { background: #f3dc7a; }"));
    // Two blocks of 16 harmonics, one above the other, so that the lab stays narrow enough
    // to stand beside the main window.
    constexpr int PerBlock = 16;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(1);
    for (int block = 0; block < THarmonicMask::Count / PerBlock; ++block) {
        for (int part = 0; part < 2; ++part) {
            rowNames_.append(new QLabel);
            grid->addWidget(rowNames_.back(), 2 * block + part, 0);
        }
    }
    for (int k = 1; k <= THarmonicMask::Count; ++k) {
        mutes_[k - 1] = Switch("Mute", k);
        solos_[k - 1] = Switch("Solo", k);
        const int row = 2 * ((k - 1) / PerBlock), column = 1 + (k - 1) % PerBlock;
        grid->addWidget(mutes_[k - 1], row, column);
        grid->addWidget(solos_[k - 1], row + 1, column);
        connect(mutes_[k - 1], &QToolButton::clicked, this, [this, k] { ToggleMute(k); });
        connect(solos_[k - 1], &QToolButton::clicked, this, [this, k] { ToggleSolo(k); });
    }

    auto* clear = clear_ = new QPushButton;
    clear->setObjectName("ClearMask");
    connect(clear, &QPushButton::clicked, this, &HarmonicMaskPane::ClearAll);

    for (int k = 1; k <= KeyedHarmonics; ++k) {
        const auto digit = static_cast<Qt::Key>(Qt::Key_0 + k % 10);
        auto* mute = new QAction(this);
        mute->setShortcut(QKeySequence(digit));
        connect(mute, &QAction::triggered, this, [this, k] { ToggleMute(k); });
        auto* solo = new QAction(this);
        solo->setShortcut(QKeySequence(Qt::SHIFT | digit));
        connect(solo, &QAction::triggered, this, [this, k] { ToggleSolo(k); });
        keys_ << mute << solo;
    }

    auto* help = help_ = new QLabel;
    help->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(clear, 0, Qt::AlignLeft);
    layout->addWidget(help);
    layout->addStretch();
    Retranslate();
}

QString HarmonicMaskPane::KeyHelp() {
    return tr("Клавиши 1…9, 0 — выключить или включить гармонику 1…10; Shift+цифра — соло.");
}

void HarmonicMaskPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void HarmonicMaskPane::Retranslate() {
    setWindowTitle(tr("Выключить и соло"));
    for (int row = 0; row < rowNames_.size(); ++row)
        rowNames_.at(row)->setText(row % 2 == 0 ? tr("Выключить") : tr("Соло"));
    for (int k = 1; k <= THarmonicMask::Count; ++k) {
        mutes_[k - 1]->setToolTip(tr("Выключить гармонику %1").arg(k));
        solos_[k - 1]->setToolTip(
            tr("Слушать и смотреть только гармонику %1 (и другие с соло)").arg(k));
    }
    clear_->setText(tr("Включить все"));
    // keys_ holds the mute and the solo of harmonics 1…10 in turn.
    for (int i = 0; i < keys_.size(); ++i)
        keys_.at(i)->setText(i % 2 == 0 ? tr("Выключить гармонику %1").arg(i / 2 + 1)
                                        : tr("Соло гармоники %1").arg(i / 2 + 1));
    help_->setText(KeyHelp() + tr("\nС соло звучат и видны только гармоники с соло (соло "
                                  "сильнее выключения); гармоники выше 32 при соло молчат."));
}

void HarmonicMaskPane::ToggleMute(int k) {
    mask_.SetMuted(k, !mask_.Muted(k));
    Show();
    emit maskChanged(mask_);
}

void HarmonicMaskPane::ToggleSolo(int k) {
    mask_.SetSoloed(k, !mask_.Soloed(k));
    Show();
    emit maskChanged(mask_);
}

void HarmonicMaskPane::ClearAll() {
    mask_ = THarmonicMask{};
    Show();
    emit maskChanged(mask_);
}

// The switches show the mask; a harmonic that is not heard has its number greyed.
void HarmonicMaskPane::Show() {
    for (int k = 1; k <= THarmonicMask::Count; ++k) {
        const QSignalBlocker quietMute(mutes_[k - 1]);
        const QSignalBlocker quietSolo(solos_[k - 1]);
        mutes_[k - 1]->setChecked(mask_.Muted(k));
        solos_[k - 1]->setChecked(mask_.Soloed(k));
        QFont font = mutes_[k - 1]->font();
        font.setStrikeOut(!mask_.Audible(k));
        mutes_[k - 1]->setFont(font);
        solos_[k - 1]->setFont(font);
    }
}

} // namespace Fourier
