#include "app/Avvio.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

void PreparaApplicazione()
{
    // The design names Arial and Verdana; on Linux their metric twins serve.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    // The main menu hides while a category is open; only "Esci" ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own dialogs and context menus speak Italian whatever the system
    // language (Debian's qt6-translations-l10n); without the file they stay as Qt has them.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    static QTranslator traduzioneQt;
    if (traduzioneQt.isEmpty()
        && traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduzioneQt);

    // The records are the only files the program writes. Qt's file dialog
    // keeps its last folder and history in the user's settings, so user
    // settings go to a folder that can never be made.
    for (const QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(formato, QSettings::UserScope, QStringLiteral("/dev/null"));
}
