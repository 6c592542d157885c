#include "pelletry/artwork.hpp"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <iterator>

namespace pelletry::art {

namespace {

constexpr double kPi = 3.14159265358979;

const QColor kInk(40, 62, 80);            // outlines and captions
const QColor kOrange(246, 146, 30), kRed(214, 64, 40), kYellow(250, 204, 60), kTan(236, 196, 140);
const QColor kBrown(150, 96, 48), kDarkBrown(96, 56, 24), kGreen(96, 164, 60), kDarkGreen(56, 112, 36);
const QColor kPink(240, 140, 140), kWorm(190, 40, 50);

QPixmap canvas(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void antialias(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
}

// Water in a rounded tile with a light rim.
void waterTile(QPainter& p, const QRectF& r, double radius) {
  QLinearGradient water(r.topLeft(), r.bottomLeft());
  water.setColorAt(0, waterTop());
  water.setColorAt(1, waterBottom());
  p.setPen(QPen(kInk.lighter(170), 1));
  p.setBrush(water);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  // Two light ripples near the surface.
  p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
  p.setBrush(Qt::NoBrush);
  const double w = r.width();
  for (int i = 0; i < 2; ++i) {
    QPainterPath ripple;
    const double y = r.top() + 7 + 5 * i, x0 = r.left() + w * (0.15 + 0.35 * i);
    ripple.moveTo(x0, y);
    ripple.cubicTo(x0 + w * 0.08, y - 2, x0 + w * 0.16, y + 2, x0 + w * 0.24, y);
    p.drawPath(ripple);
  }
}

// A flake: an irregular five-lobed shape turned by angle, squashed by tilt.
void flake(QPainter& p, QPointF c, double radius, double angle, double tilt, const QColor& colour) {
  QPainterPath path;
  for (int i = 0; i <= 40; ++i) {
    const double a = 2 * kPi * i / 40;
    const double r = radius * (0.82 + 0.18 * std::sin(5 * a + radius));
    const QPointF point(r * std::cos(a), r * std::sin(a) * tilt);
    const QPointF turned(point.x() * std::cos(angle) - point.y() * std::sin(angle),
                         point.x() * std::sin(angle) + point.y() * std::cos(angle));
    if (i == 0) path.moveTo(c + turned); else path.lineTo(c + turned);
  }
  p.setPen(QPen(colour.darker(170), 1));
  p.setBrush(colour);
  p.drawPath(path);
}

// A round pellet with a highlight.
void pellet(QPainter& p, QPointF c, double radius, const QColor& colour) {
  QRadialGradient shade(c - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
  shade.setColorAt(0, colour.lighter(150));
  shade.setColorAt(0.6, colour);
  shade.setColorAt(1, colour.darker(150));
  p.setPen(QPen(colour.darker(190), 0.8));
  p.setBrush(shade);
  p.drawEllipse(c, radius, radius);
}

// A wiggly worm along a sine path.
void worm(QPainter& p, QPointF from, double length, double angle, double waves, const QColor& colour, double width) {
  QPainterPath path;
  for (int i = 0; i <= 30; ++i) {
    const double t = length * i / 30, s = 2.2 * std::sin(waves * 2 * kPi * i / 30);
    const QPointF point(from.x() + t * std::cos(angle) - s * std::sin(angle), from.y() + t * std::sin(angle) + s * std::cos(angle));
    if (i == 0) path.moveTo(point); else path.lineTo(point);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour.darker(140), width + 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

// A curled shrimp: a tapering arc of segments with a tail fan and an eye.
void shrimp(QPainter& p, QPointF c, double size, double angle, const QColor& colour) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  for (int i = 0; i < 7; ++i) {
    const double a = kPi * (0.1 + 0.12 * i);
    const QPointF at(size * std::cos(a), size * std::sin(a) - size * 0.4);
    const double r = size * (0.34 - 0.035 * i);
    p.setPen(QPen(colour.darker(150), 0.8));
    p.setBrush(colour);
    p.drawEllipse(at, r, r * 0.8);
  }
  p.setBrush(colour.darker(110));
  p.drawPolygon(QPolygonF({QPointF(-size * 0.95, size * 0.15), QPointF(-size * 1.35, -size * 0.05), QPointF(-size * 1.3, size * 0.45)}));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(size * 0.98, -size * 0.22), size * 0.09, size * 0.09);
  p.restore();
}

// Flakes drifting.
void drawFlakes(QPainter& p) {
  flake(p, {22, 26}, 10, 0.4, 0.55, kOrange);
  flake(p, {42, 36}, 9, 2.0, 0.8, kRed);
  flake(p, {28, 48}, 8, 1.1, 0.45, kYellow);
}

// Floating pellets under the surface.
void drawFloatingPellets(QPainter& p) {
  for (const auto& [x, y] : {std::pair{16.0, 18.0}, {30.0, 16.0}, {44.0, 19.0}, {23.0, 29.0}, {38.0, 30.0}}) pellet(p, {x, y}, 5.2, kBrown);
}

// Sinking pellets with their trails.
void drawSinkingPellets(QPainter& p) {
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.4, Qt::DashLine));
  for (double x : {20.0, 34.0, 46.0}) p.drawLine(QPointF(x, 12), QPointF(x, 36));
  for (const auto& [x, y] : {std::pair{20.0, 42.0}, {34.0, 48.0}, {46.0, 40.0}}) pellet(p, {x, y}, 5.5, kDarkBrown.lighter(130));
}

// Granules of several colours.
void drawGranules(QPainter& p) {
  for (int i = 0; i < 26; ++i) {
    const QColor colours[] = {kOrange, kRed, kYellow, kBrown, kGreen};
    pellet(p, QPointF(12 + (i * 37) % 41, 16 + (i * 23) % 34), 2.6, colours[i % 5]);
  }
}

// Sticks.
void drawSticks(QPainter& p) {
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(18 + 9 * i, 22 + 7 * (i % 2) + 4 * i);
    p.rotate(-30 + 22 * i);
    QLinearGradient stick(0, -3, 0, 3);
    stick.setColorAt(0, kOrange.lighter(130));
    stick.setColorAt(1, kRed);
    p.setPen(QPen(kRed.darker(160), 0.8));
    p.setBrush(stick);
    p.drawRoundedRect(QRectF(-11, -3, 22, 6), 3, 3);
    p.restore();
  }
}

// A tablet on the ground.
void drawTablet(QPainter& p) {
  p.setPen(QPen(kBrown.darker(160), 1));
  p.setBrush(kTan.darker(105));
  p.drawEllipse(QRectF(12, 40, 40, 12));
  p.setBrush(kTan);
  p.drawEllipse(QRectF(12, 35, 40, 12));
  for (const auto& [x, y] : {std::pair{22.0, 40.0}, {30.0, 38.0}, {38.0, 42.0}, {44.0, 39.0}}) pellet(p, {x, y}, 1.6, kGreen);
}

// Bloodworms.
void drawBloodworms(QPainter& p) {
  worm(p, {12, 22}, 36, 0.25, 2.0, kWorm, 2.6);
  worm(p, {14, 40}, 34, -0.2, 1.5, kWorm.lighter(120), 2.6);
  worm(p, {24, 30}, 26, 0.9, 1.2, kWorm.darker(115), 2.4);
}

// Brine shrimp.
void drawBrineShrimp(QPainter& p) {
  shrimp(p, {24, 24}, 9, 10, kPink);
  shrimp(p, {40, 42}, 8, -25, kPink.lighter(110));
}

// Water fleas.
void drawWaterFleas(QPainter& p) {
  for (const auto& [x, y] : {std::pair{20.0, 22.0}, {40.0, 28.0}, {26.0, 44.0}, {44.0, 46.0}}) {
    p.setPen(QPen(kDarkGreen, 0.8));
    p.setBrush(QColor(196, 214, 120, 220));
    p.drawEllipse(QPointF(x, y), 6, 5);
    p.setPen(QPen(kDarkGreen, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - 4, y - 4), QPointF(x - 9, y - 8));
    p.drawLine(QPointF(x - 4, y - 4), QPointF(x - 7, y - 10));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(x - 3, y - 1), 1.3, 1.3);
  }
}

// A clump of tubifex worms.
void drawTubifex(QPainter& p) {
  for (int i = 0; i < 7; ++i) worm(p, {32, 50}, 22 + 3 * (i % 3), -kPi / 2 + (i - 3) * 0.28, 1.5, kWorm.darker(105 + 8 * (i % 3)), 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kBrown);
  p.drawEllipse(QPointF(32, 51), 10, 4);
}

// An algae wafer.
void drawAlgaeWafer(QPainter& p) {
  p.setPen(QPen(kDarkGreen.darker(130), 1));
  p.setBrush(kDarkGreen);
  p.drawEllipse(QRectF(13, 36, 38, 14));
  p.setBrush(kGreen);
  p.drawEllipse(QRectF(13, 31, 38, 14));
  p.setPen(QPen(kDarkGreen, 1));
  for (int i = 0; i < 5; ++i) p.drawPoint(QPointF(20 + 6 * i, 36 + (i % 2) * 3));
}

// Krill, larger and redder.
void drawKrill(QPainter& p) {
  shrimp(p, {30, 32}, 14, 0, QColor(236, 100, 80));
}

// A piece of greens.
void drawGreens(QPainter& p) {
  QPainterPath leaf;
  leaf.moveTo(14, 48);
  leaf.cubicTo(12, 24, 34, 10, 52, 14);
  leaf.cubicTo(52, 34, 36, 50, 14, 48);
  QLinearGradient green(14, 14, 52, 48);
  green.setColorAt(0, kGreen.lighter(130));
  green.setColorAt(1, kGreen);
  p.setPen(QPen(kDarkGreen, 1.2));
  p.setBrush(green);
  p.drawPath(leaf);
  p.setPen(QPen(kDarkGreen, 1));
  p.drawLine(QPointF(16, 46), QPointF(46, 18));
  for (int i = 1; i < 4; ++i) {
    const double t = 0.25 * i;
    const QPointF on(16 + 30 * t, 46 - 28 * t);
    p.drawLine(on, on + QPointF(-2, -9));
    p.drawLine(on, on + QPointF(8, 3));
  }
}

// Each kind's picture, by kind number.
constexpr void (*kKindPainters[])(QPainter&) = {
    drawFlakes,     drawFloatingPellets, drawSinkingPellets, drawGranules,   drawSticks, drawTablet,     drawBloodworms,
    drawBrineShrimp, drawWaterFleas,     drawTubifex,        drawAlgaeWafer, drawKrill,  drawGreens,
};

void drawKind(QPainter& p, int kind) {
  if (kind >= 0 && kind < static_cast<int>(std::size(kKindPainters))) kKindPainters[kind](p);
}

// A button face: a raised rounded plate with an icon over a caption. Pressed moves down a
// pixel and darkens; disabled greys out.
QPixmap buttonFace(const QString& caption, Look look, const std::function<void(QPainter&, QRectF)>& icon) {
  QPixmap pixmap = canvas(kButtonWidth, kButtonHeight);
  QPainter p(&pixmap);
  antialias(p);
  const bool pressed = look == Look::Pressed, disabled = look == Look::Disabled;
  const QRectF plate(1.5, 1.5, kButtonWidth - 3, kButtonHeight - 3);
  if (!pressed) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(plate.translated(0, 1.5), 8, 8);
  }
  QLinearGradient face(plate.topLeft(), plate.bottomLeft());
  if (disabled) {
    face.setColorAt(0, QColor(236, 238, 240));
    face.setColorAt(1, QColor(214, 218, 222));
  } else if (pressed) {
    face.setColorAt(0, QColor(170, 208, 226));
    face.setColorAt(1, QColor(206, 232, 242));
  } else {
    face.setColorAt(0, QColor(246, 252, 255));
    face.setColorAt(1, QColor(196, 228, 240));
  }
  p.setPen(QPen(disabled ? QColor(170, 176, 182) : kInk.lighter(140), 1));
  p.setBrush(face);
  p.drawRoundedRect(plate.translated(0, pressed ? 1 : 0), 8, 8);

  const double shift = pressed ? 1 : 0;
  p.save();
  if (disabled) p.setOpacity(0.35);
  icon(p, QRectF(kButtonWidth / 2.0 - 16, 5 + shift, 32, 32));
  p.restore();
  QFont font = p.font();
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(disabled ? QColor(150, 156, 162) : kInk);
  p.drawText(QRectF(0, 38 + shift, kButtonWidth, 16), Qt::AlignCenter, caption);
  return pixmap;
}

}  // namespace

QColor waterTop() { return {214, 240, 248}; }
QColor waterBottom() { return {140, 196, 226}; }

QPixmap kindPicture(int kind) {
  QPixmap pixmap = canvas(kKindSize, kKindSize);
  QPainter p(&pixmap);
  antialias(p);
  waterTile(p, QRectF(0, 0, kKindSize, kKindSize), 8);
  drawKind(p, kind);
  // The kind's number in a badge at the lower right.
  const QRectF badge(kKindSize - 21, kKindSize - 17, 18, 14);
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawRoundedRect(badge, 6, 6);
  QFont font = p.font();
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.drawText(badge, Qt::AlignCenter, QString::number(kind));
  return pixmap;
}

QPixmap pictureButton(Look look) {
  return buttonFace(QStringLiteral("Picture"), look, [](QPainter& p, QRectF r) {
    // A framed picture of a flake heap.
    const QRectF frame = r.adjusted(1, 3, -1, -3);
    p.setPen(QPen(kBrown.darker(130), 1.5));
    p.setBrush(QColor(252, 248, 236));
    p.drawRoundedRect(frame, 2, 2);
    const QRectF inside = frame.adjusted(3, 3, -3, -3);
    QLinearGradient water(inside.topLeft(), inside.bottomLeft());
    water.setColorAt(0, waterTop());
    water.setColorAt(1, waterBottom());
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawRect(inside);
    flake(p, inside.center() + QPointF(-6, 4), 5, 0.3, 0.6, kOrange);
    flake(p, inside.center() + QPointF(5, 5), 4.5, 1.4, 0.7, kRed);
    pellet(p, inside.center() + QPointF(0, -3), 3, kBrown);
  });
}

QPixmap addFrameButton(Look look) {
  return buttonFace(QStringLiteral("Add frame"), look, [](QPainter& p, QRectF r) {
    // A film frame with a plus sign.
    const QRectF film = r.adjusted(2, 4, -6, -4);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(70, 84, 96));
    p.drawRoundedRect(film, 2, 2);
    p.setBrush(QColor(236, 240, 244));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
      p.drawRect(QRectF(film.left() + 3 + 6 * i, film.top() + 1.5, 3, 2.5));
      p.drawRect(QRectF(film.left() + 3 + 6 * i, film.bottom() - 4, 3, 2.5));
    }
    const QRectF picture = film.adjusted(3, 5, -3, -5);
    p.setBrush(waterTop());
    p.drawRect(picture);
    flake(p, picture.center(), 4.5, 0.5, 0.6, kOrange);
    const QPointF plus = r.bottomRight() - QPointF(6, 6);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(QColor(64, 160, 80));
    p.drawEllipse(plus, 7, 7);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(plus - QPointF(3.5, 0), plus + QPointF(3.5, 0));
    p.drawLine(plus - QPointF(0, 3.5), plus + QPointF(0, 3.5));
  });
}

QPixmap previewButton(Look look) {
  return buttonFace(QStringLiteral("Preview"), look, [](QPainter& p, QRectF r) {
    const QPointF c = r.center();
    QRadialGradient disc(c - QPointF(4, 4), 18);
    disc.setColorAt(0, QColor(90, 180, 220));
    disc.setColorAt(1, QColor(30, 110, 160));
    p.setPen(QPen(QColor(20, 80, 120), 1));
    p.setBrush(disc);
    p.drawEllipse(c, 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({c + QPointF(-4.5, -7.5), c + QPointF(8, 0), c + QPointF(-4.5, 7.5)}));
  });
}

QPixmap trashCan(bool highlighted) {
  QPixmap pixmap = canvas(kButtonWidth, 70);
  QPainter p(&pixmap);
  antialias(p);
  if (highlighted) {
    QRadialGradient glow(QPointF(kButtonWidth / 2.0, 38), 38);
    glow.setColorAt(0, QColor(255, 110, 80, 150));
    glow.setColorAt(1, QColor(255, 110, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(kButtonWidth / 2.0, 38), 38, 34);
  }
  const QColor body = highlighted ? QColor(214, 84, 64) : QColor(132, 146, 158);
  const double cx = kButtonWidth / 2.0;
  // The bin, narrowing towards its foot, with ribs.
  QPainterPath bin;
  bin.moveTo(cx - 17, 24);
  bin.lineTo(cx + 17, 24);
  bin.lineTo(cx + 13, 62);
  bin.lineTo(cx - 13, 62);
  bin.closeSubpath();
  QLinearGradient metal(cx - 17, 0, cx + 17, 0);
  metal.setColorAt(0, body.darker(115));
  metal.setColorAt(0.4, body.lighter(135));
  metal.setColorAt(1, body.darker(125));
  p.setPen(QPen(body.darker(170), 1.2));
  p.setBrush(metal);
  p.drawPath(bin);
  p.setPen(QPen(body.darker(150), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (double dx : {-8.0, 0.0, 8.0}) p.drawLine(QPointF(cx + dx, 29), QPointF(cx + dx * 0.8, 57));
  // The lid: shut, or lifted and tilted open while a frame hovers over the can.
  p.save();
  if (highlighted) {
    p.translate(cx + 19, 20);
    p.rotate(-28);
    p.translate(-(cx + 19), -20);
    p.translate(0, -6);
  }
  p.setPen(QPen(body.darker(170), 1.2));
  p.setBrush(body.lighter(120));
  p.drawRoundedRect(QRectF(cx - 20, 17, 40, 6), 2, 2);
  p.drawRoundedRect(QRectF(cx - 6, 12, 12, 5), 2, 2);
  p.restore();
  return pixmap;
}

QPixmap blankSlot() {
  QPixmap pixmap = canvas(kSlotSize, kSlotSize);
  QPainter p(&pixmap);
  antialias(p);
  p.setPen(QPen(QColor(150, 180, 196), 1, Qt::DashLine));
  p.setBrush(QColor(236, 246, 250));
  p.drawRoundedRect(QRectF(0.5, 0.5, kSlotSize - 1, kSlotSize - 1), 5, 5);
  return pixmap;
}

QPixmap blankPicture(int width, int height) {
  QPixmap pixmap = canvas(width, height);
  QPainter p(&pixmap);
  antialias(p);
  p.setPen(QPen(QColor(150, 180, 196), 1, Qt::DashLine));
  p.setBrush(QColor(244, 249, 251));
  p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 6, 6);
  return pixmap;
}

QPixmap aboutPicture() {
  const int width = 360, height = 220;
  QPixmap pixmap = canvas(width, height);
  QPainter p(&pixmap);
  antialias(p);
  waterTile(p, QRectF(0, 0, width, height), 14);
  // Sand, a fish nosing at the sinking food.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 214, 160));
  QPainterPath sand;
  sand.moveTo(0, height - 30);
  sand.cubicTo(width * 0.3, height - 44, width * 0.6, height - 18, width, height - 36);
  sand.lineTo(width, height);
  sand.lineTo(0, height);
  p.drawPath(sand);
  flake(p, {236, 70}, 9, 0.4, 0.6, kOrange);
  flake(p, {262, 104}, 8, 1.9, 0.8, kRed);
  flake(p, {288, 60}, 7, 1.1, 0.5, kYellow);
  pellet(p, {250, 132}, 5, kBrown);
  pellet(p, {300, 150}, 5, kGreen);
  // The fish.
  p.save();
  p.translate(120, 126);
  QLinearGradient scales(0, -26, 0, 26);
  scales.setColorAt(0, QColor(255, 176, 60));
  scales.setColorAt(1, QColor(236, 96, 30));
  p.setPen(QPen(QColor(160, 60, 20), 1.5));
  p.setBrush(scales);
  p.drawPolygon(QPolygonF({QPointF(-44, 0), QPointF(-72, -22), QPointF(-64, 0), QPointF(-72, 22)}));
  p.drawEllipse(QPointF(0, 0), 48, 27);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(28, -8), 8, 8);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(30, -8), 4, 4);
  p.setPen(QPen(QColor(160, 60, 20), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(34, 2, 12, 10), 200 * 16, 120 * 16);
  p.restore();
  // Bubbles.
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
  p.setBrush(QColor(255, 255, 255, 60));
  for (const auto& [x, y, r] : {std::tuple{176.0, 96.0, 4.0}, {186.0, 76.0, 5.5}, {180.0, 52.0, 3.5}}) p.drawEllipse(QPointF(x, y), r, r);
  // The title.
  QFont title = p.font();
  title.setPixelSize(34);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(255, 255, 255, 160));
  p.drawText(QRectF(22, 16, width - 40, 44).translated(1.5, 1.5), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pelletry"));
  p.setPen(kInk);
  p.drawText(QRectF(22, 16, width - 40, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pelletry"));
  QFont line = p.font();
  line.setPixelSize(13);
  line.setBold(false);
  p.setFont(line);
  p.drawText(QRectF(24, 58, width - 40, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Food files for the aquarium"));
  return pixmap;
}

QPixmap programIcon() {
  QPixmap pixmap = canvas(64, 64);
  QPainter p(&pixmap);
  antialias(p);
  waterTile(p, QRectF(0, 0, 64, 64), 12);
  flake(p, {24, 26}, 12, 0.4, 0.6, kOrange);
  flake(p, {42, 40}, 10, 1.9, 0.8, kRed);
  pellet(p, {22, 46}, 6, kBrown);
  return pixmap;
}

}  // namespace pelletry::art
