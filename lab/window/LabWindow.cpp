#include "LabWindow.h"

#include "CoefficientView.h"
#include "Convergence.h"
#include "ConvergenceView.h"
#include "LabView.h"
#include "Language.h"
#include "ResidualView.h"
#include "SpectrumView.h"
#include "Waveforms.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Fourier {
namespace {

QString LastHarmonicText(TLastHarmonic last) {
    switch (last) {
    case TLastHarmonic::Sine:
        return QStringLiteral("sin");
    case TLastHarmonic::Cosine:
        return QStringLiteral("cos");
    default:
        return LabWindow::tr("не рисуется");
    }
}

} // namespace

LabWindow::LabWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("LabWindow"));
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    heading_ = new QLabel;
    heading_->setObjectName(QStringLiteral("LabHeading"));
    layout->addWidget(heading_);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("LabTabs"));
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);

    windowMenu_ = menuBar()->addMenu(QString());
    followAction_ = windowMenu_->addAction(QString(), this, &LabWindow::FollowMainWindow);
    followAction_->setEnabled(false);
    windowMenu_->addSeparator();
    closeAction_ = windowMenu_->addAction(QString(), this, &QWidget::close);
    closeAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});
    viewMenu_ = menuBar()->addMenu(QString());

    // Pages are named so that a lesson can put one on top or hide it.
    const auto named = [](QWidget* page, const char* name) {
        page->setObjectName(QLatin1String(name));
        return page;
    };
    AddPane(named(new ConvergenceView, "ConvergenceView"), QT_TR_NOOP("Сходимость"));
    AddPane(named(new ResidualView, "ResidualView"), QT_TR_NOOP("Остаток"));
    AddPane(named(new CoefficientView, "CoefficientView"), QT_TR_NOOP("Коэффициент"));
    spectrum_ = new SpectrumView;
    spectrum_->setObjectName(QStringLiteral("SpectrumView"));
    AddPane(spectrum_, QT_TR_NOOP("Спектр"));
    editMenu_ = menuBar()->addMenu(QString());
    editMenu_->addAction(spectrum_->CopyAction());
    // Named in both languages, so that a student finds the way back.
    menuBar()->addMenu(MakeLanguageMenu(this));
    viewMenu_->addSeparator();
    viewMenu_->addAction(spectrum_->DecibelAction());

    updateTimer_.setSingleShot(true);
    updateTimer_.setInterval(0);
    connect(&updateTimer_, &QTimer::timeout, this, &LabWindow::UpdateViews);
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this] { spectrum_->CopyAction()->setEnabled(tabs_->currentWidget() == spectrum_); });
    spectrum_->CopyAction()->setEnabled(false);
    resize(900, 660);
    Retranslate();
    Compose();
}

LabWindow::~LabWindow() = default;

QImage LabWindow::CurrentPicture() const {
    return tabs_->currentWidget()->grab().toImage();
}

int LabWindow::AddPane(QWidget* pane, const char* title) {
    const int index = tabs_->addTab(pane, tr(title));
    titles_.append(title);
    if (auto* view = dynamic_cast<LabView*>(pane))
        connect(this, &LabWindow::runChanged, view, &LabView::ShowRun);
    QAction* show = viewMenu_->addAction(tr(title), this, [this, pane] {
        tabs_->setCurrentWidget(pane);
        pane->setFocus(Qt::ShortcutFocusReason); // a pane with a field takes the typing
    });
    viewActions_.append(show);
    // Ctrl+1..9, and Ctrl+0 for the tenth as on a keyboard's row of digits.
    if (index < 10)
        show->setShortcut(
            QKeySequence(Qt::CTRL | Qt::Key(index < 9 ? Qt::Key_1 + index : Qt::Key_0)));
    return index;
}

void LabWindow::RunFinished(const TRun& run) {
    main_ = run;
    if (run.Synthesised) harmonic_.reset();
    Compose();
    ScheduleUpdate();
}

void LabWindow::ShowOwnSignal(const TAnalysis& analysis, const QString& caption) {
    TRun own;
    own.Analysis = analysis;
    own.WaveformName = caption.toStdString();
    own.HasJump = FindTwoLevels(analysis.Samples).has_value();
    own_ = own;
    ownSource_ = sender();
    followAction_->setEnabled(true);
    Compose();
    ScheduleUpdate();
}

void LabWindow::FollowMainWindow() {
    own_.reset();
    followAction_->setEnabled(false);
    Compose();
    ScheduleUpdate();
}

void LabWindow::Compose() {
    if (own_) {
        shown_ = *own_;
        shown_.Harmonic = main_.Harmonic;
        shown_.SumShown = main_.SumShown;
        shown_.LastHarmonic = main_.LastHarmonic;
        shown_.Synthesised = main_.Synthesised;
    } else {
        shown_ = main_;
    }
    shown_.OwnSignal = own_.has_value();
    if (harmonic_) shown_.Harmonic = *harmonic_;
    ApplyMask(mask_, shown_.Analysis.Re, shown_.Analysis.Im);
    ++revision_;
}

void LabWindow::SetHarmonicMask(const THarmonicMask& mask) {
    mask_ = mask;
    Compose();
    ScheduleUpdate();
}

void LabWindow::ShowHarmonic(int k) {
    harmonic_ = k;
    Compose();
    ScheduleUpdate();
}

void LabWindow::ScheduleUpdate() {
    if (isVisible()) updateTimer_.start();
}

void LabWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    UpdateViews(); // before the first paint, so no stale picture shows
}

void LabWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QMainWindow::changeEvent(event);
}

// The widgets take a new language after the window itself: those who speak of them (the
// accessibility) hear of it once all have.
bool LabWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::LanguageChange) emit languageChanged();
    return handled;
}

void LabWindow::Retranslate() {
    // The main window's waveform by its name in the new language, as its list now shows it.
    if (const TWaveform* waveform = WaveformAt(main_.WaveformIndex)) {
        main_.WaveformName = WaveformName(*waveform);
        if (!own_) shown_.WaveformName = main_.WaveformName;
    }
    setWindowTitle(tr("Лаборатория"));
    RenameQtParts(this);
    windowMenu_->setTitle(tr("&Окно"));
    followAction_->setText(tr("Следовать за главным окном"));
    closeAction_->setText(tr("Закрыть"));
    viewMenu_->setTitle(tr("&Вид"));
    editMenu_->setTitle(tr("&Правка"));
    for (int i = 0; i < titles_.size(); ++i) {
        tabs_->setTabText(i, tr(titles_.at(i)));
        viewActions_.at(i)->setText(tr(titles_.at(i)));
    }
    if (!heading_->text().isEmpty()) WriteHeading(); // else the first showing writes it
}

void LabWindow::WriteHeading() {
    const QString name = QString::fromStdString(shown_.WaveformName);
    QString settings = tr("k = %1, последняя гармоника: %2")
                           .arg(shown_.Harmonic)
                           .arg(LastHarmonicText(shown_.LastHarmonic));
    if (const std::string left = MaskText(mask_); !left.empty())
        settings += QStringLiteral("; ") + QString::fromStdString(left);
    if (own_)
        heading_->setText(tr("Свой сигнал: %1; %2 (из главного окна)").arg(name, settings));
    else if (shown_.WaveformIndex < 0)
        heading_->setText(tr("Сигнал не выбран: выберите функцию в главном окне."));
    else
        heading_->setText(tr("Сигнал: %1; %2").arg(name, settings));
}

void LabWindow::UpdateViews() {
    updateTimer_.stop();
    WriteHeading();
    if (announcedRevision_ != revision_) {
        announcedRevision_ = revision_;
        emit runChanged(shown_);
    }
}

} // namespace Fourier
