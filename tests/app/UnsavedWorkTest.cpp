// The question before a project goes: asked on every road that would throw
// away changes no saved curve file holds, answered as any other question, and
// asked nowhere else.

#include "support/ScriptHarness.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

TEST(UnsavedWork, IsAskedAboutBeforeItGoesAndOnlyThen) {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("saved.tjc"));
    const QString loaded = QStringLiteral("clipboard set host_object_in.txt\nclick ImgChargeObjetPte_Haut\n");
    const QString marked = loaded + "click LbCreation\nmouse click 100 300\n";
    const QString finished = elevenKeypointsScript() + "click LblParaFini\nclick LblParaFini\n";
    const QString atStart = QStringLiteral("PnlChargeObjetPte visible=1 showing=1 enabled=1 text=\"\"");
    const QString marking =
        QStringLiteral("LbInfos visible=1 showing=1 enabled=1 text=\"Etape 2 : cliquez dans la "
                       "zone de travail pour marquer de 4 à 49 points\"");
    const QString onClipboard =
        QStringLiteral("LbInfos visible=1 showing=1 enabled=1 text=\"Etape 6 : L'objet PTE "
                       "est dans le presse-papier, collez-le dans PTE\"");
    const QString closed = QStringLiteral("KeyPointsBezier visible=0 showing=0 enabled=1 text=\" Trajecta\"");
    struct Road {
        const char* name;
        QString script;
        QStringList answers; // the question's answer, then those of what it leads to
        QString end;
    };
    const std::vector<Road> roads{
        {"restart, not saved",
         marked + "click LblRefaireTout\nprint PnlChargeObjetPte",
         {"Ne pas enregistrer"},
         atStart},
        {"restart, cancelled", marked + "click LblRefaireTout\nprint LbInfos", {"Annuler"}, marking},
        {"restart before step 6, saved",
         marked + "click LblRefaireTout\nprint LbInfos",
         {"Enregistrer"},
         marking},
        {"restart in step 6, saved",
         finished + "click LblRefaireTout\nprint PnlChargeObjetPte",
         {"yes", saved},
         atStart},
        {"restart in step 6, save cancelled",
         finished + "click LblRefaireTout\nprint LbInfos",
         {"yes", "cancel"},
         onClipboard},
        {"restart, nothing changed",
         loaded + "click LbCreation\nclick LblRefaireTout\nprint PnlChargeObjetPte",
         {},
         atStart},
        {"restart after a save",
         finished + "answer " + saved + "\nclick LblEnregistrerCourbe\n" +
             "click LblEtapeAvant\nclick LblRefaireTout\nprint PnlChargeObjetPte",
         {},
         atStart},
        {"a curve file over the project",
         marked + "click LblEtapeAvant\nclick LblChargerFichier\nprint LbInfos",
         {"no", "curve_file_saved.tjc"},
         onClipboard},
        {"quitting", marked + "click Commencer\nprint KeyPointsBezier", {"no"}, closed},
        {"quitting, nothing changed", loaded + "click Commencer\nprint KeyPointsBezier", {}, closed},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        QFile::remove(saved);
        QStringList lines = road.script.split('\n');
        // The answers go just before the line that asks.
        for (const QString& answer : road.answers)
            lines.insert(lines.size() - 2, QStringLiteral("answer ") + answer);
        const ScriptResult r = runScript(lines.join('\n'));
        const QStringList asked = r.output.filter(QStringLiteral("Le projet a des changements"));
        ASSERT_EQ(asked.size(), road.answers.isEmpty() ? 0 : 1) << r.output.join('\n').toStdString();
        for (const QString& question : asked)
            EXPECT_TRUE(
                question.startsWith("message: Le projet a des changements qui ne sont pas enregistrés. "
                                    "Les enregistrer ? [Enregistrer/Ne pas enregistrer/Annuler] -> "));
        EXPECT_EQ(r.output.value(r.output.size() - 1), road.end) << r.output.join('\n').toStdString();
        EXPECT_EQ(QFile::exists(saved), road.answers.value(1) == saved || road.script.contains(saved));
    }
}

} // namespace
} // namespace trajecta
