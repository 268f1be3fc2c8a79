// SPDX-License-Identifier: MIT
#include "controls/signal_light/horizontaltimer.h"

#include "components/framedpanel.h"
#include "components/storedbool.h"
#include "components/storedlayout.h"
#include "controls/signal_light/shapecircle.h"
#include "controls/signal_light/sharedlamps.h"
#include "controls/signal_light/timergoodies.h"

#include <QLabel>
#include <QResource>
#include <QtEndian>

#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {
const QString LayoutPath = QStringLiteral(":/layouts/horizontaltimer.json");
const QString PanelBitmap = QStringLiteral(":/timerpanel.bmp");

// What the light calls each lamp: its colour in the light's name, the lamp's own accessible
// name, the lamp in the description and the mark drawn inside it.
struct LampWords
{
    int code;
    const char *colour;
    const char *lamp;
    const char *titled;
    const char *mark;
};

const LampWords Lamps[] = {
    {HorizontalTimer::Green, QT_TRANSLATE_NOOP("HorizontalTimer", "green"),
     QT_TRANSLATE_NOOP("HorizontalTimer", "green lamp"),
     QT_TRANSLATE_NOOP("HorizontalTimer", "Green lamp"), QT_TRANSLATE_NOOP("HorizontalTimer", "G")},
    {HorizontalTimer::Yellow, QT_TRANSLATE_NOOP("HorizontalTimer", "yellow"),
     QT_TRANSLATE_NOOP("HorizontalTimer", "yellow lamp"),
     QT_TRANSLATE_NOOP("HorizontalTimer", "Yellow lamp"),
     QT_TRANSLATE_NOOP("HorizontalTimer", "Y")},
    {HorizontalTimer::Red, QT_TRANSLATE_NOOP("HorizontalTimer", "red"),
     QT_TRANSLATE_NOOP("HorizontalTimer", "red lamp"),
     QT_TRANSLATE_NOOP("HorizontalTimer", "Red lamp"), QT_TRANSLATE_NOOP("HorizontalTimer", "R")},
};

// The bitmap is stored uncompressed in the program file and read once: its pages are handed back
// rather than kept resident for the program's life.
void releasePages(const uchar *data, qsizetype size)
{
#ifdef Q_OS_LINUX
    const auto page = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr begin = (quintptr(data) + page - 1) & ~(page - 1);
    const quintptr end = (quintptr(data) + quintptr(size)) & ~(page - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_DONTNEED);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}

// The panel as stored: a bitmap file of 24-bit pixels, uncompressed, its rows from the bottom up.
// Its few flat colours are kept as a table and an index per pixel, a quarter of the memory of the
// 32-bit pixels that Qt's reader makes one at a time (it takes any other bitmap), which was the
// largest part of the light's start-up.
QImage panelPicture()
{
    constexpr qsizetype HeaderSize = 54; // the file header and a BITMAPINFOHEADER
    constexpr int BitsPerPixel = 24;
    constexpr qsizetype MaxColours = 256;
    const QResource resource(PanelBitmap);
    // Stored uncompressed, it is read where it lies in the program file, not from a copy.
    const bool inPlace = resource.compressionAlgorithm() == QResource::NoCompression;
    const QByteArray file =
        inPlace ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                          qsizetype(resource.size()))
                : resource.uncompressedData();
    const auto *bytes = reinterpret_cast<const uchar *>(file.constData());
    const auto word = [bytes](int at) { return qFromLittleEndian<quint16>(bytes + at); };
    const auto dword = [bytes](int at) { return qFromLittleEndian<qint32>(bytes + at); };
    if (file.size() < HeaderSize || !file.startsWith("BM"))
        return QImage(PanelBitmap);
    const qint32 offset = dword(10);
    const qint32 width = dword(18);
    const qint32 height = dword(22);
    const qsizetype stride = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    if (dword(14) < 40 || word(28) != BitsPerPixel || dword(30) != 0 || width <= 0 || height <= 0 ||
        offset < HeaderSize || offset > file.size() || (file.size() - offset) / stride < height)
        return QImage(PanelBitmap);
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int y = 0; y < height; ++y) {
        const uchar *pixel = bytes + offset + stride * (height - 1 - y);
        uchar *line = image.scanLine(y);
        // Most of the panel's rows repeat the one above.
        if (y > 0 && std::memcmp(pixel, pixel + stride, size_t(width) * 3) == 0) {
            std::memcpy(line, image.constScanLine(y - 1), size_t(width));
            continue;
        }
        qsizetype index = -1;
        for (int x = 0; x < width; ++x, pixel += 3) {
            const QRgb colour = qRgb(pixel[2], pixel[1], pixel[0]);
            if (index < 0 || colours.at(index) != colour) {
                index = colours.indexOf(colour);
                if (index < 0) {
                    if (colours.size() == MaxColours)
                        return QImage(PanelBitmap);
                    index = colours.size();
                    colours.append(colour);
                }
            }
            line[x] = uchar(index);
        }
    }
    image.setColorTable(colours);
    if (inPlace)
        releasePages(bytes, file.size());
    return image;
}
} // namespace

HorizontalTimer::HorizontalTimer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HorizontalTimer"));
    SSPanel1 = new FramedPanel(this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    pictureTimerPanel = new QLabel(SSPanel1);
    pictureTimerPanel->setObjectName(QStringLiteral("pictureTimerPanel"));
    pictureTimerPanel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    showPanelPicture(1.0);
    for (const LampWords &words : Lamps) {
        auto *circle = new ShapeCircle(pictureTimerPanel);
        circle->setObjectName(QStringLiteral("shapeTimerCircle(%1)").arg(words.code));
        circle->setAccessibleName(tr(words.lamp));
        m_circles.insert(words.code, circle);
    }
    m_layout = StoredLayout::loadAndApply(LayoutPath, this);
    resize(m_layout.clientSize());
    connect(&SharedLamps::instance(), &SharedLamps::changed, this, &HorizontalTimer::showLamps);
    showLamps();
}

qint32 HorizontalTimer::ChangeYourColorTO() const
{
    return TimerGoodies::CurrentTimerColor;
}

void HorizontalTimer::setChangeYourColorTO(qint32 newTimerColor)
{
    TimerGoodies::CurrentTimerColor = newTimerColor;
    ShowTimerColor();
}

void HorizontalTimer::CycleTimerColor()
{
    switch (TimerGoodies::CurrentTimerColor) {
    case Dark:
        setChangeYourColorTO(Green);
        break;
    case Green:
        setChangeYourColorTO(Yellow);
        break;
    case Yellow:
        setChangeYourColorTO(Red);
        break;
    case Red:
        setChangeYourColorTO(Dark);
        break;
    default:
        break;
    }
}

bool HorizontalTimer::LeaveOldColorsOn() const
{
    return TimerGoodies::LeaveOldColorsFlag != 0;
}

void HorizontalTimer::setLeaveOldColorsOn(bool newTruth)
{
    TimerGoodies::LeaveOldColorsFlag = StoredBool::from(newTruth);
}

void HorizontalTimer::ResetYourColors()
{
    SharedLamps::instance().setLit({});
}

bool HorizontalTimer::lampsMarked() const
{
    return SharedLamps::instance().marked();
}

void HorizontalTimer::setLampsMarked(bool marked)
{
    SharedLamps::instance().setMarked(marked);
}

ShapeCircle *HorizontalTimer::shapeTimerCircle(int index) const
{
    return m_circles.value(index, nullptr);
}

QSize HorizontalTimer::sizeHint() const
{
    return m_layout.clientSize();
}

QRect HorizontalTimer::panelPlacement() const
{
    return m_layout.placement(SSPanel1->objectName());
}

void HorizontalTimer::setScale(double scale)
{
    m_layout.placeAt(this, scale);
    showPanelPicture(scale);
}

void HorizontalTimer::showPanelPicture(double scale)
{
    // Enlarged once, at the screen's resolution, rather than stretched at every paint.
    const QPixmap bitmap = QPixmap::fromImage(panelPicture(), Qt::NoFormatConversion);
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = bitmap.scaled(bitmap.size() * (scale * ratio), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    pictureTimerPanel->setPixmap(picture);
}

void HorizontalTimer::ShowTimerColor()
{
    const qint32 code = TimerGoodies::CurrentTimerColor;
    if (code == Dark) {
        ResetYourColors();
        return;
    }
    if (!m_circles.contains(code))
        return;
    QSet<int> lit{code};
    if (TimerGoodies::LeaveOldColorsFlag != 0) {
        for (int other : {Green, Yellow, Red}) {
            if (SharedLamps::instance().isLit(other))
                lit.insert(other);
        }
    }
    SharedLamps::instance().setLit(lit);
}

void HorizontalTimer::showLamps()
{
    const SharedLamps &lamps = SharedLamps::instance();
    for (auto it = m_circles.cbegin(); it != m_circles.cend(); ++it) {
        it.value()->setBackStyle(lamps.isLit(it.key()) ? ShapeCircle::Opaque
                                                       : ShapeCircle::Transparent);
        it.value()->setBlinkedOff(it.key() == Red && lamps.redBlinkedOff());
    }
    for (const LampWords &words : Lamps)
        m_circles.value(words.code)->setMark(lamps.marked() ? tr(words.mark) : QString());
    describe();
}

void HorizontalTimer::describe()
{
    QStringList colours;
    QStringList lamps;
    for (const LampWords &words : Lamps) {
        if (m_circles.value(words.code)->isLit()) {
            colours << tr(words.colour);
            lamps << tr(words.titled);
        }
    }
    const QString name =
        tr("Signal light: %1")
            .arg(colours.isEmpty() ? tr("dark") : colours.join(QStringLiteral(", ")));
    // The flash and the marks leave the name as it is: a screen reader hears only the lamps.
    if (name == m_shownName)
        return;
    m_shownName = name;
    setAccessibleDescription(lamps.isEmpty() ? tr("All lamps dark")
                                             : tr("Lit: %1").arg(lamps.join(QStringLiteral(", "))));
    // Last, so that a reader told of the new name finds the description already new.
    setAccessibleName(name);
}
