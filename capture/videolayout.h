// SPDX-License-Identifier: MIT
#pragma once

#include <QUrlQuery>

#include <algorithm>
#include <array>

// How the light is drawn for a video: the whole picture in the lamp's colour, three lamps in a
// corner, or a coloured frame; written as a link's query, in the names the page takes.
struct VideoLayout
{
    enum class Kind { Background, Badge, Border };
    enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

    static constexpr int MinSize = 5, MaxSize = 50, MinBorder = 1, MaxBorder = 25;
    static constexpr std::array<const char *, 3> KindNames{"background", "badge", "border"};
    static constexpr std::array<const char *, 4> CornerNames{"top-left", "top-right",
                                                             "bottom-left", "bottom-right"};

    Kind kind = Kind::Badge;
    Corner corner = Corner::TopRight;
    // The badge's height and the frame's width, in percent of the picture's height and of its
    // shorter side.
    int sizePercent = 25;
    int borderPercent = 4;
    bool elapsed = false;
    bool flash = true;

    QUrlQuery query() const
    {
        QUrlQuery q;
        q.addQueryItem(QStringLiteral("video"), QLatin1String(KindNames[int(kind)]));
        if (kind == Kind::Badge) {
            q.addQueryItem(QStringLiteral("corner"), QLatin1String(CornerNames[int(corner)]));
            q.addQueryItem(QStringLiteral("size"), QString::number(sizePercent));
        } else if (kind == Kind::Border) {
            q.addQueryItem(QStringLiteral("width"), QString::number(borderPercent));
        }
        q.addQueryItem(QStringLiteral("elapsed"), elapsed ? QStringLiteral("yes") : QStringLiteral("no"));
        q.addQueryItem(QStringLiteral("flash"), flash ? QStringLiteral("yes") : QStringLiteral("no"));
        return q;
    }

    // What a query names, each part checked; the defaults for what it lacks or gets wrong.
    static VideoLayout fromQuery(const QUrlQuery &q)
    {
        VideoLayout layout;
        const auto indexOf = [](const auto &names, const QString &given, int otherwise) {
            const auto at = std::find_if(names.begin(), names.end(), [&given](const char *name) {
                return given == QLatin1String(name);
            });
            return at == names.end() ? otherwise : int(at - names.begin());
        };
        const auto number = [&q](const char *name, int low, int high, int otherwise) {
            bool ok = false;
            const int value = q.queryItemValue(QLatin1String(name)).toInt(&ok);
            return ok ? std::clamp(value, low, high) : otherwise;
        };
        layout.kind = Kind(indexOf(KindNames, q.queryItemValue(QStringLiteral("video")),
                                   int(layout.kind)));
        layout.corner = Corner(indexOf(CornerNames, q.queryItemValue(QStringLiteral("corner")),
                                       int(layout.corner)));
        layout.sizePercent = number("size", MinSize, MaxSize, layout.sizePercent);
        layout.borderPercent = number("width", MinBorder, MaxBorder, layout.borderPercent);
        layout.elapsed = q.queryItemValue(QStringLiteral("elapsed")) == QLatin1String("yes");
        layout.flash = q.queryItemValue(QStringLiteral("flash")) != QLatin1String("no");
        return layout;
    }
};
