#include "app/ControlInventory.h"
#include "app/Session.h"
#include "core/Layout.h"
#include "support/FakeServices.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

// The string literals of a C++ source text, comments and character literals
// left out.
QStringList stringLiterals(const QString& source) {
    QStringList literals;
    enum { Code, String, Char, LineComment, BlockComment } state = Code;
    QString current;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar ch = source[i];
        const QChar next = i + 1 < source.size() ? source[i + 1] : QChar();
        switch (state) {
        case Code:
            if (ch == '"')
                state = String, current.clear();
            else if (ch == '\'')
                state = Char;
            else if (ch == '/' && next == '/')
                state = LineComment;
            else if (ch == '/' && next == '*')
                state = BlockComment, ++i;
            break;
        case String:
            if (ch == '\\')
                current += ch, current += next, ++i;
            else if (ch == '"')
                state = Code, literals << current;
            else
                current += ch;
            break;
        case Char:
            if (ch == '\\')
                ++i;
            else if (ch == '\'')
                state = Code;
            break;
        case LineComment:
            if (ch == '\n') state = Code;
            break;
        case BlockComment:
            if (ch == '*' && next == '/') state = Code, ++i;
            break;
        }
    }
    return literals;
}

// A literal that is a control name: a kind prefix of the program's naming
// followed by a capital, a digit or an underscore (any letter after the "TF"
// of a window), and nothing but letters, digits and underscores ("Images" or
// "Pnl %1" are not names).
bool looksLikeControlName(const QString& literal) {
    static const QRegularExpression pattern(
        QStringLiteral("^((Lbli|Lbl|Lbi|LBl|Lbx|Lb|Edt|ChBx|Chbx|Rdgbx|Rdg|Tbr|Tb|Pnl|Pn|Img|Gbx|Shp|Btn)[A-"
                       "Z0-9_]|TF[A-Za-z])"
                       "[A-Za-z0-9_]*$"));
    return pattern.match(literal).hasMatch();
}

TEST(ControlNames, LiteralsAreFoundOutsideCommentsAndCharacters) {
    const QString source =
        QStringLiteral("c.show(\"PnlCadre\"); // c.show(\"PnlInComment\")\n"
                       "/* \"LblInBlock\" */ char q = '\"'; f(\"Say \\\"LblQuoted\\\"\", \"ImgDessin\");\n");
    EXPECT_EQ(stringLiterals(source), (QStringList{"PnlCadre", "Say \\\"LblQuoted\\\"", "ImgDessin"}));
    for (const char* name :
         {"PnlCadre", "Lbl1erKP", "Pnl_nouvel_objet", "LBlQpCourbe", "TFparametres", "RdgbxRalForce"})
        EXPECT_TRUE(looksLikeControlName(name)) << name;
    for (const char* word : {"Pnl", "Images", "Table", "Tbr %1", "ChBx%1", "Lbl-x", "Pnlcadre", "TF"})
        EXPECT_FALSE(looksLikeControlName(word)) << word;
}

TEST(ControlNames, EveryNameInTheSourcesIsDeclared) {
    Controls controls;
    declareControls(controls);
    const QString sources = QStringLiteral(TRAJECTA_TEST_DATA "/../../src");
    QDirIterator files(sources, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    int checked = 0;
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        for (const QString& literal : stringLiterals(QString::fromUtf8(file.readAll()))) {
            if (!looksLikeControlName(literal)) continue;
            ++checked;
            EXPECT_TRUE(controls.has(literal))
                << literal.toStdString() << " in " << file.fileName().toStdString();
        }
    }
    EXPECT_GT(checked, 300) << "the sources were not found";
}

TEST(ControlNames, EveryWindowIsTheRootOfItsControls) {
    Controls controls;
    declareControls(controls);
    const QStringList windows{mainWindowName,  helpWindowName,   aboutWindowName,
                              photoDialogName, secondWindowName, extrasDialogName};
    QStringList roots;
    for (const QString& name : controls.names())
        if (controls.get(name).parent.isEmpty()) roots << name;
    EXPECT_EQ(roots, windows) << "declared in the order the program creates them";
    for (const QString& name : windows) {
        const ControlKind kind = controls.get(name).kind;
        EXPECT_TRUE(kind == ControlKind::Window || kind == ControlKind::Dialog) << name.toStdString();
        EXPECT_EQ(controls.get(name).visible, name == mainWindowName) << name.toStdString();
    }
    EXPECT_EQ(controls.get(secondWindowName).kind, ControlKind::Window) << "the second window is not modal";
}

TEST(ControlNames, TheTwoWindowLayoutFindsTheHostsOfTheSecondWindow) {
    FakeServices fakes;
    Session session(fakes.services());
    CurveDocument& doc = session.document();
    doc.shell.singleWindowLayout = false;
    doc.shell.groupsOnMain = false;
    session.setClientSize(1366, 768);
    ASSERT_NO_THROW(session.workflow().createCurve());
    EXPECT_EQ(doc.workflow.currentStep, Step::Marking);
    const Controls& c = session.controls();
    EXPECT_TRUE(c.visible("PnlDockFondDest"));
    EXPECT_EQ(c.windowOf("PnlDockFondDest"), secondWindowName);
    for (MovableGroup group : {MovableGroup::Parameters, MovableGroup::StepButtons, MovableGroup::Background,
                               MovableGroup::Completion, MovableGroup::Display, MovableGroup::PointsOnCurve,
                               MovableGroup::Help, MovableGroup::Extras})
        EXPECT_EQ(c.windowOf(groupHost(doc, group)), secondWindowName);
}

} // namespace
} // namespace trajecta
