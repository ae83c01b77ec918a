#include "shell/SettingsFile.h"
#include "shell/IniText.h"
#include "shell/ScreenPlace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

TEST(IniText, ReadsWhatItCanOfAnyTextAndWritesSectionsInOrder) {
    const IniText ini = IniText::parse(QStringLiteral("key=before any section\r\n"
                                                      "; a comment\r\n"
                                                      "[parametres]\r\n"
                                                      "  Langue = 1 \r\n"
                                                      "langue=0\r\n"
                                                      "no equals sign\r\n"
                                                      "=no key\r\n"
                                                      "[broken\r\n"
                                                      "Lost=1\r\n"
                                                      "[EtatF1]\n"
                                                      "Wst=2"));
    EXPECT_EQ(ini.value("PARAMETRES", "langue"), "1") << "case does not matter; the first key counts";
    EXPECT_EQ(ini.value("EtatF1", "Wst"), "2");
    EXPECT_FALSE(ini.value("parametres", "key"));
    EXPECT_FALSE(ini.value("broken", "Lost"));
    EXPECT_FALSE(ini.value("parametres", "Lost")) << "keys under a damaged header belong nowhere";

    IniText out;
    out.setValue("b", "x", "1");
    out.setValue("a", "y", "2");
    out.setValue("B", "X", "3");
    EXPECT_EQ(out.toText(), "[b]\nx=3\n\n[a]\ny=2\n");
    EXPECT_EQ(IniText::parse(out.toText()).toText(), out.toText());
}

class SettingsFileTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString exe() const { return dir.path() + "/bin/"; }
    QString config() const { return dir.path() + "/config/trajecta/"; }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(exe())); }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(SettingsFileTest, AFirstRunWritesBesideTheExecutableAndTheNextRunReadsIt) {
    SettingsFile first(exe(), config());
    EXPECT_FALSE(first.exists());
    EXPECT_EQ(first.path(), exe() + "Trajecta.ini");
    EXPECT_EQ(first.value("parametres", "Langue", "0"), "0");
    first.setValue("parametres", "Langue", "1");
    first.setValue("F1seule", "TravauxSurF1", "0");
    ASSERT_TRUE(first.save());
    EXPECT_EQ(read(first.path()), "[parametres]\nLangue=1\n\n[F1seule]\nTravauxSurF1=0\n");

    SettingsFile second(exe(), config());
    EXPECT_TRUE(second.exists());
    EXPECT_EQ(second.value("F1seule", "TravauxSurF1", "1"), "0");
    EXPECT_EQ(second.value("EtatF1", "Wst", "missing"), "missing");
}

TEST_F(SettingsFileTest, ADamagedOrForeignFileGivesWhatCanBeReadAndIsRewrittenWhole) {
    const QString path = exe() + "Trajecta.ini";
    const char damaged[] = "\xff\xfe\x00garbage\n[parametres]\nLangue=1\n[Foreign]\nThing=2\n[EtatF1\nWst=";
    write(path, QByteArray(damaged, sizeof damaged - 1));
    SettingsFile settings(exe(), config());
    EXPECT_TRUE(settings.exists());
    EXPECT_EQ(settings.value("parametres", "Langue", "0"), "1");
    EXPECT_EQ(settings.value("EtatF1", "Wst", "0"), "0");
    settings.setValue("parametres", "Langue", "0");
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(read(path), "[parametres]\nLangue=0\n");

    // Not a settings file at all: far too large to be one.
    write(path, QByteArray(2 << 20, 'x').prepend("[parametres]\nLangue=1\n"));
    EXPECT_EQ(SettingsFile(exe(), config()).value("parametres", "Langue", "0"), "0");
}

TEST_F(SettingsFileTest, AnUnwritablePlaceBesideTheExecutableSendsTheSettingsToTheConfigurationFolder) {
    // A "folder" inside a regular file can be written by nobody, root included.
    write(dir.path() + "/plain", "not a folder");
    const QString blocked = dir.path() + "/plain/bin/";
    SettingsFile settings(blocked, config());
    EXPECT_EQ(settings.path(), config() + "Trajecta.ini");
    settings.setValue("parametres", "Langue", "1");
    ASSERT_TRUE(settings.save()) << "the configuration folder is made when missing";
    EXPECT_EQ(SettingsFile(blocked, config()).value("parametres", "Langue", "0"), "1");

    // A file beside the executable that is there and writable wins.
    write(exe() + "Trajecta.ini", "[parametres]\nLangue=0\n");
    EXPECT_EQ(SettingsFile(exe(), config()).value("parametres", "Langue", "?"), "0");

    // Nowhere to write: the failure is told, not hidden.
    SettingsFile nowhere(blocked, dir.path() + "/plain/config/");
    EXPECT_FALSE(nowhere.save());
}

TEST(ScreenPlace, AWindowStaysOnAMonitorThatExistsNow) {
    const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(defaultPlace(two, 760), QPoint(580, 180));
    EXPECT_EQ(defaultPlace({QRect(100, 50, 1366, 768)}, 500), QPoint(100 + 683 - 250, 50 + 128));

    EXPECT_TRUE(fitsOnScreens(QRect(2000, 10, 800, 600), two));
    EXPECT_FALSE(fitsOnScreens(QRect(1800, 10, 800, 600), two)) << "across two monitors";
    const QPoint fallback(7, 7);
    EXPECT_EQ(placeOnScreens(QRect(2000, 10, 800, 600), two, fallback), QPoint(2000, 10));
    // Mostly on the second monitor, partly below it: pulled up into it.
    EXPECT_EQ(placeOnScreens(QRect(2500, 700, 600, 500), two, fallback), QPoint(2500, 524));
    // The second monitor unplugged: nothing of the window on any monitor.
    EXPECT_EQ(placeOnScreens(QRect(2500, 700, 600, 500), {two[0]}, fallback), fallback);
    // Off the left and top edges, and a window larger than the monitor keeps its corner on it.
    EXPECT_EQ(placeOnScreens(QRect(-300, -20, 600, 500), two, fallback), QPoint(0, 0));
    EXPECT_EQ(placeOnScreens(QRect(100, 100, 3000, 2000), {two[0]}, fallback), QPoint(0, 0));
}

} // namespace
} // namespace trajecta
