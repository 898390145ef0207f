#include "support/PlateformeFactice.h"

#include <QFileInfo>

namespace velorin::test {

qint64 PlateformeFactice::chercherProcessus(const QString& nomSansExtension) const
{
    for (auto it = processus.cbegin(); it != processus.cend(); ++it)
        if (QFileInfo(it.value()).completeBaseName().toUpper() == nomSansExtension.toUpper()) return it.key();
    return -1;
}

bool PlateformeFactice::terminerProcessus(qint64 pid)
{
    if (!processus.contains(pid)) return false;
    terminees.append(processus.take(pid));
    journal.append(QStringLiteral("terminer ") + terminees.last());
    return true;
}

bool PlateformeFactice::demarrer(const QString& programme, const QStringList&)
{
    demarres.append(programme);
    journal.append(QStringLiteral("demarrer ") + programme);
    processus.insert(1000 + demarres.size(), programme);
    return true;
}

bool PlateformeFactice::executerEtAttendre(const QString& programme, const QStringList&, Horloge&)
{
    executes.append(programme);
    journal.append(QStringLiteral("executer ") + programme);
    return true;
}

bool PlateformeFactice::envoyerMail(const QString& objet, const QString&, const QString& a, const QString& copie,
                                    const QString& copieCachee)
{
    mails.append(QStringList{objet, a, copie, copieCachee}.join(QLatin1Char('|')));
    journal.append(QStringLiteral("mail ") + objet);
    return resultatMail;
}

bool PlateformeFactice::ouvrir(const QString& documentOuAdresse)
{
    ouverts.append(documentOuAdresse);
    return true;
}

} // namespace velorin::test
