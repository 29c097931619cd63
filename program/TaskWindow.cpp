#include "TaskWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace Fourier {

TaskWindow::TaskWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool), mainWindow_(mainWindow), title_(new QLabel),
      task_(new QLabel) {
    setObjectName(QStringLiteral("TaskWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    title_->setObjectName(QStringLiteral("TaskTitle"));
    title_->setWordWrap(true);
    QFont heading = title_->font();
    heading.setBold(true);
    if (heading.pointSizeF() > 0)
        heading.setPointSizeF(heading.pointSizeF() * 1.2);
    else
        heading.setPixelSize(heading.pixelSize() * 6 / 5);
    title_->setFont(heading);
    task_->setObjectName(QStringLiteral("TaskText"));
    task_->setWordWrap(true);
    task_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    task_->setTextFormat(Qt::PlainText); // the file's text, never markup
    // Selectable by keys, so it takes the focus and can be read line by line and copied.
    task_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    task_->setFocusPolicy(Qt::StrongFocus);
    title_->setTextFormat(Qt::PlainText);

    auto* scroll = new QScrollArea;
    scroll->setWidget(task_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* close = new QPushButton;
    close_ = close;
    close->setObjectName(QStringLiteral("TaskClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(scroll, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(380, 260);
    Retranslate();
}

void TaskWindow::Retranslate() {
    setWindowTitle(tr("Задание"));
    close_->setText(tr("Закрыть"));
}

void TaskWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void TaskWindow::SetTask(const QString& title, const QString& task) {
    title_->setText(title);
    title_->setVisible(!title.isEmpty());
    task_->setText(task);
}

QString TaskWindow::Title() const {
    return title_->text();
}

QString TaskWindow::Task() const {
    return task_->text();
}

void TaskWindow::ShowBeside(bool activate) {
    if (!placed_) {
        placed_ = true;
        // Left of the main window, where the lab (which opens on the right) does not go; else
        // below it; else over its lower left corner.
        const QScreen* screen =
            mainWindow_->screen() ? mainWindow_->screen() : QGuiApplication::primaryScreen();
        const QRect main = mainWindow_->frameGeometry();
        constexpr int Gap = 8;
        QPoint corner(main.left() - width() - Gap, main.top());
        if (screen) {
            const QRect room = screen->availableGeometry();
            if (corner.x() < room.left()) corner = QPoint(main.left(), main.bottom() + Gap);
            if (corner.y() + height() > room.bottom())
                corner.setY(std::max(room.top(), room.bottom() - height() - 40));
            corner.setX(
                std::clamp(corner.x(), room.left(), std::max(room.left(), room.right() - width())));
        }
        move(corner);
    }
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    raise();
    if (activate) activateWindow();
}

} // namespace Fourier
