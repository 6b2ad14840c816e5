#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class QCoreApplication;
class QQmlApplicationEngine;
class QTranslator;

// initial.ini: interface language, picture paths and the code-page choice; loads
// the translation before the main scene and switches language by restarting.
class QmlLanguage : public QObject
{
    Q_OBJECT
    // The language code the program runs in, for bindings (getLanguage() reads the same).
    Q_PROPERTY(QString language READ getLanguage NOTIFY languageChanged)
public:
    static constexpr int RestartExitDelayMs = 200;
    // The code page of a new installation: GBK, position 28 of the text page's
    // code page list (CodePageNames.js). A file that holds no usable number
    // gets it as well; a stored choice is kept.
    static constexpr int DefaultCodePageSelect = 28;

    QmlLanguage(QCoreApplication *app, QQmlApplicationEngine *engine);
    ~QmlLanguage() override;

    Q_INVOKABLE QString getLanguage() const { return m_language; }
    // Empty when the file named in initial.ini is not there.
    Q_INVOKABLE QString getLogoImgUrl() const { return m_logoUrl; }
    Q_INVOKABLE QString getCarouselImgUrl1() const { return m_carouselUrl1; }
    Q_INVOKABLE QString getCarouselImgUrl2() const { return m_carouselUrl2; }
    Q_INVOKABLE QString getCarouselImgUrl3() const { return m_carouselUrl3; }
    Q_INVOKABLE int getCodePageSelect() const { return m_codePageSelect; }
    Q_INVOKABLE void setCodePageSelect(int newCodePageSelect);
    Q_INVOKABLE int getLocalLanguage() const;
    Q_INVOKABLE void setLanguage(int indexOfLanguage);
    Q_INVOKABLE void setLanguage2Config(const QString &languageCode);
    Q_INVOKABLE void hideMainWindow();
    // Brings the main window back (after a restart that could not start).
    Q_INVOKABLE void showMainWindow();

    // Start-up: reads (or creates) the file and loads the chosen translation
    // into translator, installed in the application before the first log line
    // so that the log and standard error are in that language from the start.
    void getLanguageConfiguration(QTranslator &translator);

    // The language codes that have a translation: zh_CN and en_US.
    static QStringList languageCodes();
    // Language/Current as initial.ini holds it, read without creating or
    // logging anything; empty when there is no such file.
    static QString storedLanguage();
    // Loads the translation of code into translator; false (and translator
    // left empty) for a code that is none of languageCodes().
    static bool loadTranslation(QTranslator &translator, const QString &code);

    // The program a language change starts; the running executable unless a
    // test sets another.
    void setRestartProgram(const QString &program) { m_restartProgram = program; }

    QString configFolder() const;
    QString configFilePath() const;

    // The whole default initial.ini.
    static QByteArray defaultFileText();

signals:
    void languageChanged();

private:
    void ensureConfigFile();
    // Loads code's translation (or none) into translator and installs it.
    void useTranslation(QTranslator &translator, const QString &code);
    // Writes one key; a failed write is logged as an error.
    bool storeValue(const QString &key, const QVariant &value);
    // The URL of a picture path relative to the application folder; empty
    // when no file is there (logged unless the path is the default one).
    QString imageUrl(const QString &relativePath, const char *defaultPath) const;

    QCoreApplication *m_app;
    QQmlApplicationEngine *m_engine;
    QTranslator *m_translator = nullptr;
    QString m_language;
    QString m_logoUrl;
    QString m_carouselUrl1;
    QString m_carouselUrl2;
    QString m_carouselUrl3;
    int m_codePageSelect = 0;
    QString m_restartProgram;
};
