#include "HarmonicMaskPane.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace Fourier {
namespace {

constexpr int KeyedHarmonics = 10; // digits 1..9 and 0

QToolButton* Switch(const QString& name, int k, const QString& tip) {
    auto* button = new QToolButton;
    button->setObjectName(name + QString::number(k));
    button->setCheckable(true);
    button->setText(QString::number(k));
    button->setToolTip(tip.arg(k));
    button->setFocusPolicy(Qt::TabFocus);
    button->setMinimumWidth(24);
    button->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    return button;
}

} // namespace

HarmonicMaskPane::HarmonicMaskPane(QWidget* parent) : QWidget(parent) {
    setObjectName("HarmonicMaskPane");
    setWindowTitle(QStringLiteral("Выключить и соло"));

    setStyleSheet(
        QStringLiteral("QToolButton[objectName^=\"Mute\"]:checked { background: #f3a6a6; }"
                       "QToolButton[objectName^=\"Solo\"]:checked { background: #f3dc7a; }"));
    // Two blocks of 16 harmonics, one above the other, so that the lab stays narrow enough
    // to stand beside the main window.
    constexpr int PerBlock = 16;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(1);
    for (int block = 0; block < THarmonicMask::Count / PerBlock; ++block) {
        grid->addWidget(new QLabel(QStringLiteral("Выключить")), 2 * block, 0);
        grid->addWidget(new QLabel(QStringLiteral("Соло")), 2 * block + 1, 0);
    }
    for (int k = 1; k <= THarmonicMask::Count; ++k) {
        mutes_[k - 1] = Switch("Mute", k, QStringLiteral("Выключить гармонику %1"));
        solos_[k - 1] = Switch(
            "Solo", k, QStringLiteral("Слушать и смотреть только гармонику %1 (и другие с соло)"));
        const int row = 2 * ((k - 1) / PerBlock), column = 1 + (k - 1) % PerBlock;
        grid->addWidget(mutes_[k - 1], row, column);
        grid->addWidget(solos_[k - 1], row + 1, column);
        connect(mutes_[k - 1], &QToolButton::clicked, this, [this, k] { ToggleMute(k); });
        connect(solos_[k - 1], &QToolButton::clicked, this, [this, k] { ToggleSolo(k); });
    }

    auto* clear = new QPushButton(QStringLiteral("Включить все"));
    clear->setObjectName("ClearMask");
    connect(clear, &QPushButton::clicked, this, &HarmonicMaskPane::ClearAll);

    for (int k = 1; k <= KeyedHarmonics; ++k) {
        const auto digit = static_cast<Qt::Key>(Qt::Key_0 + k % 10);
        auto* mute = new QAction(QStringLiteral("Выключить гармонику %1").arg(k), this);
        mute->setShortcut(QKeySequence(digit));
        connect(mute, &QAction::triggered, this, [this, k] { ToggleMute(k); });
        auto* solo = new QAction(QStringLiteral("Соло гармоники %1").arg(k), this);
        solo->setShortcut(QKeySequence(Qt::SHIFT | digit));
        connect(solo, &QAction::triggered, this, [this, k] { ToggleSolo(k); });
        keys_ << mute << solo;
    }

    auto* help = new QLabel(
        KeyHelp() +
        QStringLiteral("\nС соло звучат и видны только гармоники с соло (соло сильнее выключения); "
                       "гармоники выше 32 при соло молчат."));
    help->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(clear, 0, Qt::AlignLeft);
    layout->addWidget(help);
    layout->addStretch();
}

QString HarmonicMaskPane::KeyHelp() {
    return QStringLiteral("Клавиши 1…9, 0 — выключить или включить гармонику 1…10; "
                          "Shift+цифра — соло.");
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
