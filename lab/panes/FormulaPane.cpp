#include "FormulaPane.h"

#include "FileSaving.h"
#include "OwnFormula.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
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
    {"x", "пила"},
    {"x^2", "парабола"},
    {"(sin(x)^2)^0.5", "выпрямленный синус"},
    {"sin(x)+sin(3*x)/3+sin(5*x)/5", "сумма трёх гармоник"},
};

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
    field_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    field_->lineEdit()->setMaxLength(1000); // the translator itself says where 255 ends
    field_->lineEdit()->setPlaceholderText(tr("формула от x, например x^2"));

    auto* build = new QPushButton(tr("Построить"), this);
    build->setObjectName("FormulaBuild");
    examples_ = new QComboBox(this);
    examples_->setObjectName("FormulaExamples");
    examples_->addItem(tr("Примеры…"));
    for (const TExample& example : Examples)
        examples_->addItem(QStringLiteral("%1  — %2").arg(example.formula, tr(example.name)),
                           QString::fromUtf8(example.formula));
    // Narrow when closed, the whole examples when open.
    examples_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    examples_->setMinimumContentsLength(9);
    examples_->view()->setMinimumWidth(examples_->view()->sizeHintForColumn(0) + 24);

    auto* reminder =
        new QLabel(tr("Язык: числа с точкой, x, + - * / ^, скобки, sin( ) cos( ) tg( ) ln( ); "
                      "пробел только перед числом; «минус x» пишется 0-x."),
                   this);
    reminder->setObjectName("FormulaReminder");
    error_ = new QLabel(this);
    error_->setObjectName("FormulaError");
    error_->setTextFormat(Qt::RichText);
    error_->setWordWrap(true);
    auto* follow = new QPushButton(tr("Следовать за главным окном"), this);
    follow->setObjectName("FollowMainWindow");

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("f(x) ="), this));
    row->addWidget(field_, 1);
    row->addWidget(build);
    row->addWidget(examples_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
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
}

QString FormulaPane::Formula() const {
    return field_->currentText();
}

void FormulaPane::SetFormula(const QString& text) {
    field_->setEditText(text);
}

void FormulaPane::Build() {
    const QString text = Formula();
    const QByteArray bytes = text.toUtf8();
    try {
        const TAnalysis analysis = AnalyseOwnFormula(bytes.toStdString());
        error_->clear();
        Remember(text);
        emit ownSignalReady(analysis, tr("Своя функция: f(x) = %1").arg(text));
    } catch (const TOwnFormulaError& e) {
        // The translator counts bytes of UTF-8; the field counts characters.
        int position = -1;
        if (e.Kind() == TOwnFormulaError::oeSyntax && e.Position() > 0)
            position =
                QString::fromUtf8(bytes.left(static_cast<qsizetype>(e.Position()) - 1)).size();
        ShowError(QString::fromUtf8(e.what()), position);
    }
}

// The message, and under it the formula with the character at position (0-based; the
// end when the text stops short) marked.
void FormulaPane::ShowError(const QString& message, int position) {
    QString html =
        QStringLiteral("<span style='color:#b00000'>%1</span>").arg(message.toHtmlEscaped());
    if (position >= 0) {
        const QString text = Formula();
        const QString mark = position < text.size() ? text.mid(position, 1).toHtmlEscaped()
                                                    : QStringLiteral("&nbsp;");
        html +=
            QStringLiteral(
                "<br><tt>%1<span style='background:#ffb0b0; color:#b00000'><u>%2</u></span>%3</tt>")
                .arg(text.left(position).toHtmlEscaped(), mark,
                     text.mid(position + 1).toHtmlEscaped());
        field_->lineEdit()->setSelection(position, position < text.size() ? 1 : 0);
    }
    error_->setText(html);
    field_->setFocus();
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
    const std::string reason = HistoryWriteError != 0
                                   ? WriteFailureReason(HistoryWriteError)
                                   : "папка недоступна для записи или на диске нет места";
    const TFileSaveError error(QFile::encodeName(settings.fileName()).toStdString(), reason);
    ReportError(Toolkit::WithFullStop(
        error.what() + std::string(". Формула построена, но после перезапуска программы её не "
                                   "будет в списке прежних формул")));
}

void FormulaPane::FillHistory() {
    const QString text = field_->currentText();
    field_->clear();
    field_->addItems(history_);
    field_->setEditText(text);
}

} // namespace Fourier
