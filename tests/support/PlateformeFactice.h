#pragma once

#include "app/Plateforme.h"

#include <QMap>

namespace velorin::test {

// A pretend operating system: a table of running processes and a record of every call.
class PlateformeFactice : public Plateforme {
public:
    QString nomOrdinateur() const override { return nom; }
    qint64 chercherProcessus(const QString& nomSansExtension) const override;
    bool terminerProcessus(qint64 pid) override;
    bool demarrer(const QString& programme, const QStringList& arguments) override;
    bool executerEtAttendre(const QString& programme, const QStringList& arguments, Horloge& horloge) override;
    bool envoyerMail(const QString& objet, const QString& corps, const QString& a, const QString& copie,
                     const QString& copieCachee) override;
    bool ouvrir(const QString& documentOuAdresse) override;
    void amenerAuPremierPlan() override { ++premierPlan; }

    QString nom = QStringLiteral("POSTE-TEST");
    QMap<qint64, QString> processus; // pid -> executable path
    bool resultatMail = true;

    QStringList terminees;   // executables ended
    QStringList demarres;    // programs started without waiting
    QStringList executes;    // programs run and waited for
    QStringList mails;       // "objet|a|copie|copieCachee"
    QStringList ouverts;
    int premierPlan = 0;
    // Journal of every call in order, for sequence checks.
    QStringList journal;
};

} // namespace velorin::test
