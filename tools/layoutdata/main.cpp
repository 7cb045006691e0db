// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the screens' layout tables out as one JSON file, for the tools that
// drive or measure the program (the end-to-end tests, tools/bench), so that
// none of them reads C++ or repeats a rule of the layout:
//
//   tempozap-layout FILE
//
// For each window: its title, client size and background, and each control in
// the order the screen makes it (bottom to top) with its kind, its place in
// pixels in the window's client area (a control in a frame included), its
// text, face and colours; the game screens also give their tab order. Beside
// the windows, the colours by name, for what a screen paints as it runs.

#include "BackdropLayout.h"
#include "FormBuilder.h"
#include "GameLayout.h"
#include "InitialsLayout.h"
#include "PlayAgainLayout.h"
#include "ResetLayout.h"
#include "RulesLayout.h"
#include "StartLayout.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <utility>

namespace {
using namespace Layout;

QJsonValue colour(Paint paint)
{
    if (paint == Paint::None)
        return QJsonValue::Null;
    const QColor c = colourOf(paint);
    return QJsonArray{c.red(), c.green(), c.blue()};
}

QJsonObject palette()
{
    const std::pair<Paint, const char *> names[]
        = {{Paint::Yellow, "Yellow"}, {Paint::Red, "Red"}, {Paint::Green, "Green"}, {Paint::Blue, "Blue"},
            {Paint::Teal, "Teal"}, {Paint::Cyan, "Cyan"}, {Paint::Grey, "Grey"}, {Paint::DarkGrey, "DarkGrey"}};
    QJsonObject colours;
    for (const auto &[paint, name] : names)
        colours[QString::fromLatin1(name)] = colour(paint);
    return colours;
}

QJsonArray rect(const TwipsRect &place, const TwipsRect &within = {})
{
    const QRect r = pixels(place).translated(pixels(within).topLeft());
    return {r.x(), r.y(), r.width(), r.height()};
}

QJsonObject font(Face face, qreal points, bool italic = false)
{
    const QFont f = boldFont(face, points, italic);
    return {{"family", f.family()}, {"pixelSize", f.pixelSize()}, {"bold", f.bold()}, {"italic", f.italic()}};
}

class JsonWindow {
public:
    explicit JsonWindow(const Layout::Window &w)
    {
        m_window = {{"title", QString::fromLatin1(w.title)}, {"background", colour(w.background)}};
        if (w.width > 0)
            m_window["size"] = QJsonArray{twips::toPx(w.width), twips::toPx(w.height)};
        m_name = QString::fromLatin1(w.name);
    }

    void add(const char *kind, const char *name, QJsonObject control)
    {
        control["kind"] = QString::fromLatin1(kind);
        m_order.append(QString::fromLatin1(name));
        m_controls[QString::fromLatin1(name)] = control;
    }
    void label(const Label &l, const char *kind = "label", const QString &text = QString())
    {
        const Qt::Alignment h = l.look.align & Qt::AlignHorizontal_Mask;
        add(kind, l.name,
            {{"rect", rect(l.place)}, {"text", l.text ? QString::fromLatin1(l.text) : text},
                {"font", font(l.look.face, l.look.points, l.look.italic)}, {"fill", colour(l.look.fill)},
                {"border", l.look.border},
                {"align", h == Qt::AlignRight ? "right" : h == Qt::AlignHCenter ? "centre" : "left"}});
    }
    void button(const Button &b)
    {
        add("button", b.name,
            {{"rect", rect(b.place)}, {"text", QString::fromLatin1(b.text)},
                {"font", font(Face::SansSerif, b.points)}});
    }
    void picture(const Picture &p, const char *kind = "picture")
    {
        add(kind, p.name,
            {{"rect", rect(p.place)}, {"file", QString::fromLatin1(p.file)},
                {"spokenName", p.spokenName ? QJsonValue(QString::fromLatin1(p.spokenName)) : QJsonValue()}});
    }
    void frame(const Frame &f)
    {
        add("frame", f.name,
            {{"rect", rect(f.place)}, {"text", QString::fromLatin1(f.caption)},
                {"font", font(Face::SansSerif, SmallPoints)}, {"fill", colour(Paint::Yellow)}});
    }
    void choice(const char *kind, const Frame &f, const Choice &c)
    {
        add(kind, c.name,
            {{"rect", rect(c.place, f.place)}, {"frame", QString::fromLatin1(f.name)},
                {"text", QString::fromLatin1(c.caption)}, {"font", font(Face::SansSerif, SmallPoints)}});
    }
    void list(const List &l)
    {
        add("list", l.name,
            {{"rect", rect(l.place)}, {"fill", colour(l.background)}, {"font", font(Face::SansSerif, l.points)},
                {"spokenName", QString::fromLatin1(l.spokenName)}});
    }
    void shape(const Shape &s)
    {
        const char *kinds[] = {"rectangle", "roundedRectangle", "circle"};
        add("shape", s.name,
            {{"rect", rect(s.place)}, {"shape", kinds[int(s.kind)]}, {"fill", colour(s.fill)}});
    }
    void text(const TextBox &t)
    {
        add(t.maxLength ? "textBox" : "textArea", t.name,
            {{"rect", rect(t.place)}, {"font", font(Face::SansSerif, t.points)}, {"maxLength", t.maxLength},
                {"spokenName", QString::fromLatin1(t.spokenName)}});
    }
    void set(const char *key, const QJsonValue &value) { m_window[QString::fromLatin1(key)] = value; }

    void into(QJsonObject &windows)
    {
        m_window["controls"] = m_controls;
        m_window["order"] = m_order;
        windows[m_name] = m_window;
    }

private:
    QString m_name;
    QJsonObject m_window;
    QJsonObject m_controls;
    QJsonArray m_order;
};

void game(QJsonObject &windows, const GameLayout::Variant &v)
{
    using namespace GameLayout;
    JsonWindow w(v.window);
    for (const Label &l : {Seconds, Minutes, Colon, TimeHeading, ScoreBox, ScoreHeading})
        w.label(l);
    for (const Picture &p : v.titles)
        w.picture(p);
    w.button(Start);
    w.shape(KeypadPanel);
    w.shape(PowerLamp);
    for (const Label &k : Keys)
        w.label(k, "key");
    w.label(Go, "key");
    w.label(KeypadHeading);
    w.shape(v.bar);
    for (const Label &l : v.signs)
        w.label(l);
    for (const Label &l : {v.answer, v.factor, v.target})
        w.label(l);
    w.label(v.pass, "key");
    w.label(v.boardHeading);
    if (v.divisionSign.name)
        w.picture(v.divisionSign);
    w.label(TopTenHeading);
    w.list(TopTen);
    for (int i = 0; i < Drill::BoardSize; ++i)
        w.label(Board[i], "label", QString::number(Drill::Board[i]));
    w.label(PassedHeading);
    w.list(Passed);
    w.picture(v.gameOver);
    const char *focusNames[] = {Start.name, TopTen.name, Passed.name};
    QJsonArray tabs;
    for (Focus f : v.tabOrder)
        tabs.append(QString::fromLatin1(focusNames[int(f)]));
    w.set("tabOrder", tabs);
    w.set("roles", QJsonObject{{"answer", v.answer.name}, {"factor", v.factor.name}, {"target", v.target.name}});
    w.into(windows);
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv); // faces are resolved as the program resolves them
    if (argc != 2) {
        std::fprintf(stderr, "usage: tempozap-layout FILE\n");
        return 2;
    }
    QJsonObject windows;
    {
        JsonWindow w(BackdropLayout::Form);
        w.set("extraHeight", twips::toPx(BackdropLayout::ExtraHeight));
        w.into(windows);
    }
    {
        using namespace StartLayout;
        JsonWindow w(Form);
        for (const Picture &p : Titles)
            w.picture(p);
        w.picture(Clock, "animation");
        w.frame(GameFrame);
        for (const auto &o : Games)
            w.choice("option", GameFrame, o.option);
        w.frame(LevelFrame);
        for (const auto &o : Levels)
            w.choice("option", LevelFrame, o.option);
        for (const Button &b : {Play, Cancel, StartLayout::Rules})
            w.button(b);
        w.into(windows);
    }
    game(windows, GameLayout::Multiplication);
    game(windows, GameLayout::Division);
    {
        using namespace InitialsLayout;
        JsonWindow w(Form);
        w.label(Qualified);
        w.label(Prompt);
        w.text(Initials);
        w.button(Ok);
        w.button(Cancel);
        w.into(windows);
    }
    {
        using namespace PlayAgainLayout;
        JsonWindow w(Form);
        w.label(Message);
        w.button(Play);
        w.button(Quit);
        w.into(windows);
    }
    {
        using namespace RulesLayout;
        JsonWindow w(Form);
        w.text(Text);
        w.button(Close);
        w.into(windows);
    }
    {
        using namespace ResetLayout;
        JsonWindow w(Form);
        w.label(Text);
        for (const Game &g : Games) {
            w.frame(g.frame);
            for (const Box &b : g.boxes)
                w.choice("checkBox", g.frame, b.box);
        }
        w.button(Reset);
        w.button(Cancel);
        w.into(windows);
    }
    const QJsonObject data{{"twipsPerPixel", twips::PerPixel}, {"colours", palette()}, {"windows", windows}};
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(data).toJson()) < 0) {
        std::fprintf(stderr, "tempozap-layout: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
