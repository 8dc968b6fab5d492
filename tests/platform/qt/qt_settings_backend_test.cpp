#include "platform/qt/qt_settings_backend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using quillane::QtSettingsBackend;

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class QtSettingsBackendTest : public QObject {
    Q_OBJECT

private slots:
    void defaultFileIsInTheUserConfigurationFolder() {
        QTemporaryDir config;
        QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QCOMPARE(QtSettingsBackend::defaultFilePath(), config.path() + "/Quillane/Quillane.ini");
        {
            QtSettingsBackend store;
            QCOMPARE(store.filePath(), config.path() + "/Quillane/Quillane.ini");
            store.put("Window", "LeftXCoord", " 10");
        }
        QVERIFY(QFile::exists(config.path() + "/Quillane/Quillane.ini"));
        if (saved.isNull()) qunsetenv("XDG_CONFIG_HOME");
        else qputenv("XDG_CONFIG_HOME", saved);
    }

    void missingFileGivesTheFallbacksAndIsNotCreatedByReading() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillane.ini");
        QtSettingsBackend store(path);
        QCOMPARE(store.get("Font", "FontName", "MS Sans Serif"), std::string("MS Sans Serif"));
        QCOMPARE(store.get("Menu", "MenuSystem", ""), std::string());
        QVERIFY(!QFile::exists(path));
    }

    void valuesComeBackVerbatimFromANewInstance_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("leading space") << "Window" << "LeftXCoord" << " 1200";
        QTest::newRow("negative") << "Window" << "LeftYCoord" << "-5";
        QTest::newRow("unset path") << "Apps" << "Browser" << "c:\\";
        QTest::newRow("commas") << "Toolbox" << "ButtonInsText4" << "a, b,c";
        QTest::newRow("at sign") << "Toolbox" << "ButtonText5" << "@home";
        QTest::newRow("empty") << "Favorite URLs" << "URL2" << "";
        QTest::newRow("query string") << "Favorite URLs" << "URL1" << "http://example.com/a?b=1&c=2;d";
        QTest::newRow("quotes and equals") << "Toolbox" << "ButtonInsText6" << "<A HREF=\"x.htm\">";
        QTest::newRow("non-ascii") << "Directory" << "WorkingDirectory" << "/home/zoë/Café/";
        QTest::newRow("trailing space") << "Menu" << "MenuSystem" << "custom ";
    }
    void valuesComeBackVerbatimFromANewInstance() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillane.ini");
        {
            QtSettingsBackend store(path);
            store.put(section.toStdString(), key.toStdString(), value.toStdString());
            QCOMPARE(store.get(section.toStdString(), key.toStdString(), "<none>"), value.toStdString());
        }
        QtSettingsBackend reread(path);
        QCOMPARE(reread.get(section.toStdString(), key.toStdString(), "<none>"), value.toStdString());
    }

    void putWritesTheFileAtOnce() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillane.ini");
        QtSettingsBackend store(path);
        store.put("Window", "LeftXCoord", " 1200");
        store.put("Startup", "RecentFile1", "/srv/site/index.htm");
        const QByteArray onDisk = ReadBytes(path);
        QVERIFY(onDisk.contains("[Window]"));
        QVERIFY(onDisk.contains("LeftXCoord=\" 1200\""));
        QVERIFY(onDisk.contains("RecentFile1=/srv/site/index.htm"));
    }

    void handWrittenFileIsRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillane.ini");
        WriteBytes(path,
                   "[Favorite URLs]\n"
                   "URL1=http://one.example/\n"
                   "URL2=http://two.example/?a=1,b=2\n"
                   "[Window]\n"
                   "LeftXCoord=\" 1200\"\n"
                   "LeftYCoord=-5\n"
                   "[Menu]\n"
                   "MenuSystem=custom\n"
                   "[Toolbox]\n"
                   "ButtonInsText4=one, two\n");
        QtSettingsBackend store(path);
        QCOMPARE(store.get("Favorite URLs", "URL1", ""), std::string("http://one.example/"));
        QCOMPARE(store.get("Favorite URLs", "URL2", ""), std::string("http://two.example/?a=1,b=2"));
        QCOMPARE(store.get("Window", "LeftXCoord", "0"), std::string(" 1200"));
        QCOMPARE(store.get("Window", "LeftYCoord", "0"), std::string("-5"));
        QCOMPARE(store.get("Menu", "MenuSystem", ""), std::string("custom"));
        QCOMPARE(store.get("Toolbox", "ButtonInsText4", ""), std::string("one,two"));

        // Writing keeps what was there, under the same section names.
        store.put("Favorite URLs", "URL3", "http://three.example/");
        QtSettingsBackend reread(path);
        QCOMPARE(reread.get("Favorite URLs", "URL1", ""), std::string("http://one.example/"));
        QCOMPARE(reread.get("Favorite URLs", "URL3", ""), std::string("http://three.example/"));
    }

    void garbageFileGivesTheDefaultsAndCanBeWrittenOver() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillane.ini");
        QByteArray garbage;
        for (int i = 0; i < 8192; ++i) garbage.append(char((i * 7919 + 13) % 256));
        WriteBytes(path, garbage);
        QtSettingsBackend store(path);
        QCOMPARE(store.get("Window", "WindowXSize", "5000"), std::string("5000"));
        QCOMPARE(store.get("Favorite URLs", "URL1", ""), std::string());
        store.put("Window", "WindowXSize", " 8000");
        QtSettingsBackend reread(path);
        QCOMPARE(reread.get("Window", "WindowXSize", "5000"), std::string(" 8000"));
    }

    void damagedFileKeepsTheLinesThatCanBeRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillane.ini");
        WriteBytes(path, "[Window]\nLeftXCoord=\" 1200\"\nthis line is not a setting\n[Apps]\nBrowser=/usr/bin/lynx\n");
        QtSettingsBackend store(path);
        QCOMPARE(store.get("Window", "LeftXCoord", "0"), std::string(" 1200"));
        QCOMPARE(store.get("Apps", "Browser", "c:\\"), std::string("/usr/bin/lynx"));
    }

    void unreadableFileGivesTheDefaultsAndWritingDoesNotFail() {
        // A folder where the file should be cannot be read or written, even by
        // root.
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillane.ini");
        QVERIFY(QDir().mkpath(path));
        QtSettingsBackend store(path);
        QCOMPARE(store.get("Miscellaneous", "TipOfTheDay", "on"), std::string("on"));
        store.put("Miscellaneous", "TipOfTheDay", "off");
        QCOMPARE(store.get("Window", "WindowXSize", "5000"), std::string("5000"));
        QVERIFY(QFileInfo(path).isDir());
    }

    void fileWithoutReadPermissionGivesTheDefaults() {
        if (geteuid() == 0) QSKIP("root reads any file");
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillane.ini");
        WriteBytes(path, "[Menu]\nMenuSystem=beginner\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QtSettingsBackend store(path);
        QCOMPARE(store.get("Menu", "MenuSystem", ""), std::string());
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

QTEST_GUILESS_MAIN(QtSettingsBackendTest)
#include "qt_settings_backend_test.moc"
