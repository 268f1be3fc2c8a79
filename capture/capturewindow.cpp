// SPDX-License-Identifier: MIT
#include "capture/capturewindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace {

// As the page draws them.
constexpr QRgb Dark = 0xff2b2b2b, Green = 0xff00ff00, Yellow = 0xffffff00, Red = 0xffff0000;
constexpr QSize StartSize(480, 270);
constexpr QSize LeastSize(160, 90);
// How near an edge a press resizes rather than moves the window.
constexpr int EdgePixels = 8;
const QString KeyItem = QStringLiteral("key");
const QString PlaceItem = QStringLiteral("place");

QString elapsedText(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

CaptureWindow::CaptureWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("captureWindow"));
    setWindowTitle(tr("Light for Screen Capture"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(LeastSize);
    resize(StartSize);
    buildMenu();
}

void CaptureWindow::buildMenu()
{
    m_menu = new QMenu(this);
    auto *kinds = new QActionGroup(m_menu);
    const QString kindNames[] = {tr("&Background"), tr("B&adge"), tr("Bo&rder")};
    for (int i = 0; i < int(std::size(kindNames)); ++i) {
        QAction *kind = kinds->addAction(kindNames[i]);
        kind->setCheckable(true);
        kind->setData(i);
    }
    m_menu->addActions(kinds->actions());
    QMenu *corners = m_menu->addMenu(tr("Badge &Corner"));
    auto *cornerGroup = new QActionGroup(corners);
    const QString cornerNames[] = {tr("Top &Left"), tr("&Top Right"), tr("Bottom L&eft"),
                                   tr("Bottom &Right")};
    for (int i = 0; i < int(std::size(cornerNames)); ++i) {
        QAction *corner = cornerGroup->addAction(cornerNames[i]);
        corner->setCheckable(true);
        corner->setData(i);
    }
    corners->addActions(cornerGroup->actions());
    m_menu->addSeparator();
    QAction *elapsed = m_menu->addAction(tr("Show the &Elapsed Time"));
    elapsed->setCheckable(true);
    QAction *flash = m_menu->addAction(tr("&Flash When Over Time"));
    flash->setCheckable(true);
    QAction *key = m_menu->addAction(tr("Chroma &Key Color..."));
    m_menu->addSeparator();
    QAction *close = m_menu->addAction(tr("Cl&ose"));

    connect(m_menu, &QMenu::aboutToShow, this, [=, this] {
        kinds->actions().at(int(m_layout.kind))->setChecked(true);
        cornerGroup->actions().at(int(m_layout.corner))->setChecked(true);
        elapsed->setChecked(m_layout.elapsed);
        flash->setChecked(m_layout.flash);
    });
    connect(kinds, &QActionGroup::triggered, this, [this](QAction *kind) {
        VideoLayout chosen = m_layout;
        chosen.kind = VideoLayout::Kind(kind->data().toInt());
        setLayout(chosen);
    });
    connect(cornerGroup, &QActionGroup::triggered, this, [this](QAction *corner) {
        VideoLayout chosen = m_layout;
        chosen.corner = VideoLayout::Corner(corner->data().toInt());
        setLayout(chosen);
    });
    connect(elapsed, &QAction::toggled, this, [this](bool on) {
        VideoLayout chosen = m_layout;
        chosen.elapsed = on;
        setLayout(chosen);
    });
    connect(flash, &QAction::toggled, this, [this](bool on) {
        VideoLayout chosen = m_layout;
        chosen.flash = on;
        setLayout(chosen);
    });
    connect(key, &QAction::triggered, this, [this] {
        const QColor chosen = QColorDialog::getColor(m_key, this, tr("Chroma Key Color"));
        if (chosen.isValid())
            setKeyColour(chosen);
    });
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void CaptureWindow::setLamps(bool green, bool yellow, bool red, bool flashDark)
{
    m_green = green;
    m_yellow = yellow;
    m_red = red;
    m_flashDark = flashDark;
    update();
}

void CaptureWindow::setElapsedSeconds(int seconds)
{
    if (std::exchange(m_elapsed, seconds) != seconds && m_layout.elapsed)
        update();
}

void CaptureWindow::setLayout(const VideoLayout &layout)
{
    m_layout = layout;
    update();
    emit changed();
}

void CaptureWindow::setKeyColour(const QColor &colour)
{
    m_key = colour.toRgb();
    m_key.setAlpha(255);
    update();
    emit changed();
}

QString CaptureWindow::remembered() const
{
    QUrlQuery text = m_layout.query();
    text.addQueryItem(KeyItem, m_key.name());
    const QRect place = geometry();
    text.addQueryItem(PlaceItem, QStringLiteral("%1,%2,%3,%4")
                                     .arg(place.x()).arg(place.y())
                                     .arg(place.width()).arg(place.height()));
    return text.toString();
}

void CaptureWindow::restore(const QString &text)
{
    const QUrlQuery stored(text);
    m_layout = VideoLayout::fromQuery(stored);
    if (const QColor key = QColor::fromString(stored.queryItemValue(KeyItem)); key.isValid())
        m_key = key;
    const QStringList place = stored.queryItemValue(PlaceItem).split(QLatin1Char(','));
    QList<int> numbers;
    bool whole = place.size() == 4;
    for (const QString &part : place) {
        bool ok = false;
        numbers << part.toInt(&ok);
        whole = whole && ok;
    }
    QRect rect = whole ? QRect(numbers[0], numbers[1], numbers[2], numbers[3]) : QRect();
    // A place on a screen no longer there is not taken: the window would be out of sight. On
    // a smaller screen than before it is kept whole on the screen.
    const QScreen *screen = QGuiApplication::screenAt(rect.center());
    if (rect.width() >= LeastSize.width() && rect.height() >= LeastSize.height() && screen) {
        const QRect room = screen->availableGeometry();
        rect.setSize(rect.size().boundedTo(room.size()));
        rect.moveTo(qBound(room.left(), rect.left(), room.right() + 1 - rect.width()),
                    qBound(room.top(), rect.top(), room.bottom() + 1 - rect.height()));
        resize(rect.size());
        move(rect.topLeft());
    }
    update();
}

QColor CaptureWindow::litColour() const
{
    // Without the flash, red stays lit through its dark moments.
    if (m_red || (m_flashDark && !m_layout.flash))
        return QColor::fromRgb(Red);
    if (m_yellow)
        return QColor::fromRgb(Yellow);
    return QColor::fromRgb(m_green ? Green : Dark);
}

void CaptureWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect();
    const QColor lit = litColour();
    painter.fillRect(frame, m_key);
    const int shorter = qMin(frame.width(), frame.height());
    QFont font = painter.font();
    QRect textBox = frame;
    int textAlign = Qt::AlignCenter;
    switch (m_layout.kind) {
    case VideoLayout::Kind::Background:
        painter.fillRect(frame, lit);
        font.setPixelSize(qMax(1, shorter / 4));
        break;
    case VideoLayout::Kind::Border: {
        const int width = qMax(1, shorter * m_layout.borderPercent / 100);
        painter.fillRect(frame, lit);
        painter.fillRect(frame.adjusted(width, width, -width, -width), m_key);
        font.setPixelSize(qMax(1, shorter * 8 / 100));
        textBox = frame.adjusted(width, width, -width, -width);
        textAlign = Qt::AlignHCenter | Qt::AlignBottom;
        break;
    }
    case VideoLayout::Kind::Badge: {
        // As high as chosen while the badge still fits the width, time and all.
        const int side = qMax(1, qMin(frame.height() * m_layout.sizePercent / 100,
                                      frame.width() * (m_layout.elapsed ? 18 : 27) / 100));
        const int gap = side / 5;
        font.setPixelSize(qMax(1, side * 3 / 5));
        const int textWidth =
            m_layout.elapsed ? QFontMetrics(font).horizontalAdvance(elapsedText(m_elapsed)) + gap
                             : 0;
        const QSize badge(3 * side + 2 * gap + textWidth, side);
        const bool left = m_layout.corner == VideoLayout::Corner::TopLeft ||
                          m_layout.corner == VideoLayout::Corner::BottomLeft;
        const bool top = m_layout.corner == VideoLayout::Corner::TopLeft ||
                         m_layout.corner == VideoLayout::Corner::TopRight;
        const QPoint at(left ? gap : frame.width() - gap - badge.width(),
                        top ? gap : frame.height() - gap - badge.height());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const bool lamps[] = {m_green, m_yellow, m_red || (m_flashDark && !m_layout.flash)};
        const QRgb colours[] = {Green, Yellow, Red};
        for (int i = 0; i < 3; ++i) {
            painter.setBrush(QColor::fromRgb(lamps[i] ? colours[i] : Dark));
            painter.drawEllipse(QRect(at + QPoint(i * (side + gap), 0), QSize(side, side)));
        }
        textBox = QRect(at + QPoint(3 * side + 3 * gap, 0), QSize(textWidth, side));
        break;
    }
    }
    if (!m_layout.elapsed)
        return;
    // White, outlined in black, readable on any colour and any key.
    QPainterPath text;
    const QFontMetrics metrics(font);
    const QString shown = elapsedText(m_elapsed);
    const QRect box = QStyle::alignedRect(Qt::LeftToRight, Qt::Alignment(textAlign),
                                          QSize(metrics.horizontalAdvance(shown), metrics.height()),
                                          textBox);
    text.addText(box.left(), box.top() + metrics.ascent(), font, shown);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, qMax(1, font.pixelSize() / 12)));
    painter.setBrush(Qt::white);
    painter.drawPath(text);
}

void CaptureWindow::mousePressEvent(QMouseEvent *event)
{
    m_pressedAt.reset();
    if (event->button() == Qt::LeftButton)
        m_pressedAt = event->position().toPoint();
}

void CaptureWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Only a drag hands the pointer to the window manager: a plain click leaves it alone.
    if (!m_pressedAt || !(event->buttons() & Qt::LeftButton) || !windowHandle() ||
        (event->position().toPoint() - *m_pressedAt).manhattanLength() <
            QApplication::startDragDistance())
        return;
    const QPoint at = *std::exchange(m_pressedAt, std::nullopt);
    Qt::Edges edges;
    if (at.x() < EdgePixels)
        edges |= Qt::LeftEdge;
    if (at.x() >= width() - EdgePixels)
        edges |= Qt::RightEdge;
    if (at.y() < EdgePixels)
        edges |= Qt::TopEdge;
    if (at.y() >= height() - EdgePixels)
        edges |= Qt::BottomEdge;
    // Frameless, it is moved by a drag anywhere and resized by a drag at its edges.
    if (edges)
        windowHandle()->startSystemResize(edges);
    else
        windowHandle()->startSystemMove();
}

void CaptureWindow::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->popup(event->globalPos());
}

void CaptureWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    emit changed();
}

void CaptureWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit changed();
}
