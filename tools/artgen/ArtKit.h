#pragma once

// Small drawing toolkit shared by the artwork painters: soft shadows, texture, common shapes
// and the writers for the finished files.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <functional>

namespace ArtKit {

using Painter = std::function<void(QPainter &)>;

// A transparent premultiplied canvas of the given size.
QImage canvas(int width, int height);
// A painter with anti-aliasing for shapes, text and scaled pictures.
void prepare(QPainter &p);

// Gaussian-like blur (three box passes) of a premultiplied image, all channels.
QImage blurred(const QImage &image, int radius);

// Paints body into its own layer and composes it on target over a soft shadow cast by its
// alpha: shadowColor's alpha is the shadow's strength at full coverage.
void withShadow(QImage &target, const Painter &body, QPointF offset, int blur,
                QColor shadowColor = QColor(0, 0, 0, 110));
// A soft glow of the same shape behind body, for lettering that must read on any background.
void withGlow(QImage &target, const Painter &body, int blur, QColor glowColor);

// Adds a fine, seeded grain of +-amount to each colour channel of opaque pixels.
void addGrain(QImage &image, int amount, unsigned seed);

QPainterPath roundedRect(const QRectF &r, qreal radius);
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal rotationDeg = -90);
QPainterPath circle(QPointF centre, qreal radius);
QPainterPath heart(const QRectF &box);
QPainterPath snowflake(QPointF centre, qreal radius, qreal stroke);
QPainterPath leaf(QPointF base, qreal length, qreal width, qreal angleDeg);
QPainterPath flower(QPointF centre, qreal radius, int petals, qreal rotationDeg = 0);

QLinearGradient vertical(const QRectF &r, QColor top, QColor bottom);
QLinearGradient diagonal(const QRectF &r, QColor from, QColor to);
// A soft white highlight over the upper part of a shape, as glossy buttons and badges have.
void gloss(QPainter &p, const QPainterPath &shape, qreal strength = 0.45);

// The script face the lettering uses; throws std::runtime_error when it is not installed.
QFont scriptFont(int pixelSize);

// Writes an 8-bit RGBA PNG (straight alpha) or throws std::runtime_error.
void savePng(const QImage &image, const QString &path);
// Writes a baseline JPEG through libjpeg or throws std::runtime_error.
void saveJpeg(const QImage &image, const QString &path, int quality);

} // namespace ArtKit
