#include "FormulaPane.h"

#include "FileSaving.h"
#include "FormulaFrontEnd.h"
#include "OwnFormula.h"
#include "Wording.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>

namespace Fourier {

const char* const FormulaPane::SettingsOrganisation = "fourier";
const char* const FormulaPane::SettingsApplication = "lab";

namespace {

constexpr auto HistoryKey = "ownFormula/history";

struct TExample {
    const char* formula;
    const char* name;
};
constexpr TExample Examples[] = {
    {"x", QT_TRANSLATE_NOOP("Fourier::FormulaPane", "пила")},
    {"x^2", QT_TRANSLATE_NOOP("Fourier::FormulaPane", "парабола")},
    {"(sin(x)^2)^0.5", QT_TRANSLATE_NOOP("Fourier::FormulaPane", "выпрямленный синус")},
    {"sin(x)+sin(3*x)/3+sin(5*x)/5",
     QT_TRANSLATE_NOOP("Fourier::FormulaPane", "сумма трёх гармоник")},
};

// A formula shown in a caption or beside an error is cut to about this many characters, so
// that a long one never widens the lab.
constexpr int ShownLength = 60;

// The program's locale decides whether "2,5" is a number.
char DecimalSeparator() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

// The index in text of the character (code point) the core counts as number `count`.
int Utf16Index(const QString& text, std::size_t count) {
    int index = 0;
    for (std::size_t n = 0; n < count && index < text.size(); ++n)
        index += text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    return index;
}

// A line may break after an operator: a translated formula has no blanks to break at.
QString Breakable(const QString& formula) {
    QString text;
    for (const QChar c : formula) {
        text += c;
        if (QStringLiteral("+-*/^(").contains(c)) text += QChar(0x200B);
    }
    return text;
}

QString Shortened(const QString& text) {
    return text.size() <= ShownLength ? text : text.left(ShownLength - 1) + QChar(0x2026);
}

QString ReminderText() {
    return DecimalSeparator() == ','
               ? FormulaPane::tr("Можно: числа (2,5 или 2.5), x, + - * / ^, скобки, sin( ) cos( ) "
                                 "tg( ) ln( ); минус впереди (-x^2, 2*-x); пробелы между частями.")
               : FormulaPane::tr("Можно: числа (2.5), x, + - * / ^, скобки, sin( ) cos( ) tg( ) "
                                 "ln( ); минус впереди (-x^2, 2*-x); пробелы между частями.");
}

QSettings LabSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     FormulaPane::SettingsOrganisation, FormulaPane::SettingsApplication);
}

// Not an ini file: Qt 6.4 writes those through a QSaveFile whose commit() succeeds when the
// buffered bytes failed to reach the disk, so sync() would report a cut-off file as saved.
// This format flushes the bytes itself, and a failed flush fails the sync.
int HistoryWriteError = 0; // errno of the last failed write, 0 when unknown

bool ReadHistoryFile(QIODevice& device, QSettings::SettingsMap& map) {
    // A damaged history is no history: it is replaced, not reported as an error.
    map = QJsonDocument::fromJson(device.readAll()).object().toVariantMap();
    return true;
}

bool WriteHistoryFile(QIODevice& device, const QSettings::SettingsMap& map) {
    const QByteArray bytes = QJsonDocument(QJsonObject::fromVariantMap(map)).toJson();
    errno = 0;
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (device.write(bytes) == bytes.size() && (!file || file->flush())) return true;
    HistoryWriteError = errno;
    return false;
}

QSettings HistorySettings() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("json"), ReadHistoryFile, WriteHistoryFile);
    return QSettings(FormulaPane::HistoryFile(), format);
}

} // namespace

QString FormulaPane::HistoryFile() {
    return QFileInfo(LabSettings().fileName()).dir().filePath(QStringLiteral("formulas.json"));
}

FormulaPane::FormulaPane(QWidget* parent) : QWidget(parent) {
    setObjectName("FormulaPane");

    field_ = new QComboBox(this);
    field_->setObjectName("FormulaField");
    field_->setEditable(true);
    field_->setInsertPolicy(QComboBox::NoInsert);
    // The history is a list to choose from: an earlier "x^2" must not complete a typed "x".
    field_->setCompleter(nullptr);
    field_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Neither a long formula nor a long one in the history widens the lab: the text scrolls.
    field_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    field_->setMinimumContentsLength(24);
    field_->installEventFilter(this);
    field_->lineEdit()->installEventFilter(this);
    field_->view()->installEventFilter(this);
    field_->lineEdit()->setMaxLength(1000); // the translator itself says where 255 ends

    auto* build = build_ = new QPushButton(this);
    build->setObjectName("FormulaBuild");
    examples_ = new QComboBox(this);
    examples_->setObjectName("FormulaExamples");
    examples_->addItem(QString());
    for (const TExample& example : Examples)
        examples_->addItem(QString(), QString::fromUtf8(example.formula));
    // Narrow when closed, the whole examples when open.
    examples_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    examples_->setMinimumContentsLength(9);

    auto* reminder = reminder_ = new QLabel(this);
    reminder->setObjectName("FormulaReminder");
    reminder->setWordWrap(true);
    understood_ = new QLabel(this);
    understood_->setObjectName("FormulaUnderstood");
    understood_->setTextFormat(Qt::PlainText);
    understood_->setWordWrap(true);
    error_ = new QLabel(this);
    error_->setObjectName("FormulaError");
    error_->setTextFormat(Qt::RichText);
    error_->setWordWrap(true);
    // Lines that follow the typed text take the width they are given, never ask for more.
    for (QLabel* line : {understood_, error_})
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* follow = follow_ = new QPushButton(this);
    follow->setObjectName("FollowMainWindow");

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("f(x) ="), this));
    row->addWidget(field_, 1);
    row->addWidget(build);
    row->addWidget(examples_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(understood_);
    layout->addWidget(reminder);
    layout->addWidget(error_);
    layout->addWidget(follow, 0, Qt::AlignLeft);
    layout->addStretch();

    history_ = (QFileInfo::exists(HistoryFile()) ? HistorySettings() : LabSettings())
                   .value(HistoryKey)
                   .toStringList()
                   .mid(0, HistoryLength);
    FillHistory();
    field_->setEditText(QString());

    connect(field_->lineEdit(), &QLineEdit::returnPressed, this, &FormulaPane::Build);
    connect(field_, &QComboBox::activated, this, [this] { Build(); });
    connect(build, &QPushButton::clicked, this, &FormulaPane::Build);
    connect(examples_, &QComboBox::activated, this, [this](int index) {
        if (index == 0) return;
        SetFormula(examples_->itemData(index).toString());
        Build();
    });
    connect(follow, &QPushButton::clicked, this, &FormulaPane::followMainWindow);
    ReportError = Toolkit::MessageBoxReporter(this);
    Retranslate();
}

void FormulaPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

// The lines under the field speak of the text last built, not of what is typed since.
void FormulaPane::Retranslate() {
    field_->lineEdit()->setPlaceholderText(tr("формула от x, например x^2"));
    build_->setText(tr("Построить"));
    examples_->setItemText(0, tr("Примеры…"));
    for (int i = 0; i < int(std::size(Examples)); ++i)
        examples_->setItemText(
            i + 1, QStringLiteral("%1  — %2").arg(Examples[i].formula, tr(Examples[i].name)));
    examples_->view()->setMinimumWidth(examples_->view()->sizeHintForColumn(0) + 24);
    reminder_->setText(ReminderText());
    follow_->setText(tr("Следовать за главным окном"));
    if (built_.isNull()) return;
    ShowUnderstood(built_);
    // The error is found again to be said in the new language; nothing is sent.
    if (failed_) try {
            AnalyseOwnFormula(built_.toUtf8().toStdString(), DecimalSeparator());
        } catch (const TOwnFormulaError& e) {
            ShowError(built_, e);
        }
}

QString FormulaPane::Formula() const {
    return field_->currentText();
}

void FormulaPane::SetFormula(const QString& text) {
    field_->setEditText(text);
}

void FormulaPane::Build() {
    const QString text = Formula();
    const std::string typed = text.toUtf8().toStdString();
    const char separator = DecimalSeparator();
    built_ = text;
    ShowUnderstood(text);
    try {
        const TAnalysis analysis = AnalyseOwnFormula(typed, separator);
        failed_ = false;
        error_->clear();
        Remember(text);
        emit ownSignalReady(analysis, tr("Своя функция: f(x) = %1").arg(Shortened(text)));
    } catch (const TOwnFormulaError& e) {
        failed_ = true;
        if (const int position = ShowError(text, e); position >= 0)
            field_->lineEdit()->setSelection(position, position < int(text.size()) ? 1 : 0);
        field_->setFocus();
    }
}

// «Понято как: …» with what was rewritten, when anything was; empty otherwise.
void FormulaPane::ShowUnderstood(const QString& text) {
    const TPreparedFormula prepared =
        PrepareFormula(text.toUtf8().toStdString(), DecimalSeparator());
    QStringList said;
    for (const TFormulaChange& change : prepared.Changes) {
        const QString description = QString::fromStdString(change.Description);
        if (!said.contains(description)) said << description;
    }
    if (!prepared.Accepted || said.isEmpty()) {
        understood_->clear();
        return;
    }
    understood_->setText(tr("Понято как: %1 (%2)")
                             .arg(Breakable(QString::fromStdString(prepared.Text)),
                                  said.join(QStringLiteral("; "))));
}

// The message in the program's language, and under it the formula (or its part around the
// mark, when it is long) with the character at the error's position (the end when the text
// stops short) marked.
int FormulaPane::ShowError(const QString& text, const TOwnFormulaError& error) {
    const QString message = QString::fromStdString(ShownMessage(error));
    int position = -1;
    if (error.Kind() == TOwnFormulaError::oeSyntax && error.Position() > 0)
        position = Utf16Index(text, error.Position() - 1);
    QString html =
        QStringLiteral("<span style='color:#b00000'>%1</span>").arg(message.toHtmlEscaped());
    if (position >= 0) {
        const auto size = static_cast<int>(text.size());
        int from = 0, to = size;
        if (size > ShownLength) {
            from = std::clamp(position - ShownLength / 2, 0, size - ShownLength);
            to = from + ShownLength;
        }
        const QString mark =
            position < size ? text.mid(position, 1).toHtmlEscaped() : QStringLiteral("&nbsp;");
        const QString before =
            (from > 0 ? QString(QChar(0x2026)) : QString()) + text.mid(from, position - from);
        const QString after = text.mid(position + 1, std::max(0, to - position - 1)) +
                              (to < size ? QString(QChar(0x2026)) : QString());
        html +=
            QStringLiteral(
                "<br><tt>%1<span style='background:#ffb0b0; color:#b00000'><u>%2</u></span>%3</tt>")
                .arg(before.toHtmlEscaped(), mark, after.toHtmlEscaped());
    }
    error_->setText(html);
    return position;
}

// In the history list Escape closes the list alone, not the lab around it (whose Escape
// closes it); in the field Down opens the list rather than replacing the text by an entry.
bool FormulaPane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && watched == field_->view() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && (watched == field_ || watched == field_->lineEdit())) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down && key->modifiers() == Qt::NoModifier &&
            field_->count() > 0) {
            field_->showPopup();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FormulaPane::Remember(const QString& text) {
    history_.removeAll(text);
    history_.prepend(text);
    while (history_.size() > HistoryLength)
        history_.removeLast();
    SaveHistory();
    FillHistory();
    field_->setEditText(text);
}

void FormulaPane::SaveHistory() {
    QSettings settings = HistorySettings();
    settings.setValue(HistoryKey, history_);
    HistoryWriteError = 0;
    settings.sync();
    if (settings.status() == QSettings::NoError) {
        historyFailureReported_ = false;
        return;
    }
    if (historyFailureReported_ || !ReportError) return;
    historyFailureReported_ = true;
    const std::string reason =
        HistoryWriteError != 0
            ? WriteFailureReason(HistoryWriteError)
            : tr("папка недоступна для записи или на диске нет места").toStdString();
    const TFileSaveError error(QFile::encodeName(settings.fileName()).toStdString(), reason);
    ReportError(Toolkit::WithFullStop(
        tr("%1. Формула построена, но после перезапуска программы её не будет в списке прежних "
           "формул")
            .arg(QString::fromStdString(ShownMessage(error)))
            .toStdString()));
}

void FormulaPane::FillHistory() {
    const QString text = field_->currentText();
    field_->clear();
    field_->addItems(history_);
    field_->setEditText(text);
}

} // namespace Fourier
