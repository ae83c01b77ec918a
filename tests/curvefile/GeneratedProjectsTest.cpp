#include "support/ProjectGenerator.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace trajecta {
namespace {

// Seeded whole projects, checked in step 6 after every record: what the
// window shows, records and puts on the clipboard agrees; saving and loading
// gives it back exactly, in windows of other sizes with the same times; and
// the saved file applied without a window gives the same object. Half of them
// end with Extras, which must give the same object on the project loaded
// again. A failure prints the script that repeats the project.
TEST(GeneratedProjects, ComeBackAsTheyWereSaved) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("project.tjc"));
    for (const unsigned seed : ProjectGenerator::seeds("TRAJECTA_FIRST_PROJECT", "TRAJECTA_PROJECTS", 300)) {
        const QString object = ProjectGenerator::objectFor(seed);
        UserSession u(ProjectGenerator::windowFor(seed));
        u.loadObject(object);
        QStringList faults;
        // In step 6 and back to the step the record was made in; the windows
        // of other sizes load the project once it is whole.
        const auto check = [&](bool rescaled) {
            // A first time typed and not yet recorded keeps the user in the step.
            if (!faults.isEmpty() || !u.c().enabled(QStringLiteral("LblParaFini"))) return;
            const Step step = u.step();
            while (u.step() == Step::Times || u.step() == Step::Parameters)
                if (!u.click(QStringLiteral("LblParaFini"))) break;
            if (u.step() != Step::Finished) {
                faults << QStringLiteral("\"Terminé\" does not lead to step 6");
                return;
            }
            faults = finishedProjectFaults(u, object, path, rescaled);
            while (u.step() > step)
                if (!u.click(QStringLiteral("LblEtapeAvant"))) break;
            if (u.step() != step) faults << QStringLiteral("\"Etape précédente\" does not lead back");
        };
        ProjectGenerator generator(seed, u);
        generator.build([&] { check(false); });
        check(true);
        if (faults.isEmpty() && seed % 2 == 0 && u.click(QStringLiteral("LblParaFini")))
            faults = extrasFaults(u, generator.extras(), object, path);
        // Every action of the generator is one a person could take.
        faults << u.refused;
        ASSERT_TRUE(faults.isEmpty())
            << "project " << seed << ":\n  " << faults.join("\n  ").toStdString() << "\nscript:\n"
            << u.script.join('\n').toStdString();
    }
}

} // namespace
} // namespace trajecta
