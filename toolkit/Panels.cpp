// Containers: the bevelled panel, the group box with its click, the radio group.
#include "Controls.h"

#include "QtBridge.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

namespace Fourier::Toolkit {
namespace {

class PanelWidget : public QFrame {
  public:
    QString Caption;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        if (Caption.isEmpty()) return;
        QPainter painter(this);
        painter.drawText(contentsRect(), Qt::AlignCenter, Caption);
    }
};

// The classic group frame: an etched line whose top runs through the middle of the
// caption, which stands 8 pixels in on the face colour. The style's own box puts its
// frame below the caption instead, where the first row of controls already stands.
void PaintClassicFrame(QGroupBox* box) {
    QPainter painter(box);
    const QPalette& palette = box->palette();
    const QFontMetrics metrics(box->font());
    const int top = metrics.height() / 2;
    const QRect frame = box->rect().adjusted(0, top, -2, -2);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawRect(frame);
    const QString title = box->title();
    if (title.isEmpty()) return;
    const QRect caption(8, 0, metrics.horizontalAdvance(title), metrics.height());
    painter.fillRect(caption, palette.color(QPalette::Window));
    painter.setPen(palette.color(box->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);
}

class GroupBoxWidget : public QGroupBox {
  public:
    explicit GroupBoxWidget(TGroupBox* owner) : owner_(owner) {}

  protected:
    void paintEvent(QPaintEvent*) override { PaintClassicFrame(this); }
    // Presses that children ignored arrive here too; only the box's own free area clicks.
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        pressed_ = event->button() == Qt::LeftButton && !childAt(event->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           rect().contains(event->position().toPoint());
        pressed_ = false;
        if (click && !signalsBlocked() && owner_->OnClick)
            Dispatch([this] { owner_->OnClick(owner_); });
    }

  private:
    TGroupBox* owner_;
    bool pressed_ = false;
};

class RadioGroupWidget : public QGroupBox {
  public:
    RadioGroupWidget() { Group.setExclusive(true); }
    QButtonGroup Group;
    std::vector<QRadioButton*> Buttons;

  protected:
    void paintEvent(QPaintEvent*) override { PaintClassicFrame(this); }
    // Taken here, so a click beside the buttons never reaches an enclosing group box.
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
};

RadioGroupWidget* RadioBox(const TControl* c) {
    return static_cast<RadioGroupWidget*>(c->Widget());
}

} // namespace

TPanel::TPanel(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new PanelWidget) {
    static_cast<QFrame*>(Widget())->setLineWidth(1);
    SetBevelOuter(TBevel::bvRaised);
}

void TPanel::SetBevelOuter(TBevel b) {
    bevel_ = b;
    auto* frame = static_cast<QFrame*>(Widget());
    switch (b) {
    case TBevel::bvNone:
        frame->setFrameStyle(QFrame::NoFrame);
        break;
    case TBevel::bvRaised:
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    case TBevel::bvLowered:
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
    Realign();
}

void TPanel::SetCaption(const std::string& caption) {
    auto* panel = static_cast<PanelWidget*>(Widget());
    panel->Caption = Bridge::Q(caption);
    panel->update();
}

TRect TPanel::ClientRect() const {
    const int inset = bevel_ == TBevel::bvNone ? 0 : 1;
    return {inset, inset, Width() - inset, Height() - inset};
}

TGroupBox::TGroupBox(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new GroupBoxWidget(this)) {}

void TGroupBox::SetCaption(const std::string& caption) {
    static_cast<QGroupBox*>(Widget())->setTitle(Bridge::Q(caption));
}

TRect TGroupBox::ClientRect() const {
    // The classic box: the caption's line height on top, a 2-pixel frame all round.
    const int caption = QFontMetrics(Widget()->font()).height();
    return {2, caption + 2, Width() - 2, Height() - 2};
}

TRadioGroup::TRadioGroup(TControl* parent, std::string name)
    : TControl(parent, std::move(name), new RadioGroupWidget) {}

void TRadioGroup::SetCaption(const std::string& caption) {
    RadioBox(this)->setTitle(Bridge::Q(caption));
}

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
    RadioGroupWidget* box = RadioBox(this);
    const int kept = ItemIndex();
    for (QRadioButton* b : box->Buttons) {
        box->Group.removeButton(b);
        delete b;
    }
    box->Buttons.clear();
    for (const std::string& item : items) {
        auto* button = new QRadioButton(Bridge::Q(item), box);
        button->setShortcut(QKeySequence()); // accelerators are the form's business
        box->Group.addButton(button, static_cast<int>(box->Buttons.size()));
        box->Buttons.push_back(button);
        button->show();
    }
    ArrangeButtons();
    SetItemIndex(std::min(kept, static_cast<int>(items.size()) - 1));
}

void TRadioGroup::SetItemCaption(int i, const std::string& caption) {
    RadioGroupWidget* box = RadioBox(this);
    if (i >= 0 && i < static_cast<int>(box->Buttons.size()))
        box->Buttons[static_cast<std::size_t>(i)]->setText(Bridge::Q(caption));
}

int TRadioGroup::ItemIndex() const {
    return RadioBox(this)->Group.checkedId();
}

void TRadioGroup::SetItemIndex(int i) {
    RadioGroupWidget* box = RadioBox(this);
    i = std::clamp(i, -1, static_cast<int>(box->Buttons.size()) - 1);
    if (i >= 0) {
        box->Buttons[i]->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = box->Group.checkedButton()) {
        box->Group.setExclusive(false);
        checked->setChecked(false);
        box->Group.setExclusive(true);
    }
}

void TRadioGroup::BoundsChanged() {
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    // One column, rows of equal height under the caption, as the classic control lays them out.
    RadioGroupWidget* box = RadioBox(this);
    const int count = static_cast<int>(box->Buttons.size());
    if (count == 0) return;
    const int lineHeight = QFontMetrics(box->font()).height();
    const int room = std::max(Height() - lineHeight - 5, 0);
    const int rowHeight = std::max(room / count, 0);
    const int topMargin = lineHeight + 1 + (room % count) / 2;
    for (int i = 0; i < count; ++i)
        box->Buttons[i]->setGeometry(8, topMargin + i * rowHeight, std::max(Width() - 10, 0),
                                     rowHeight);
}

} // namespace Fourier::Toolkit
