// velorin-demo [--grand] [dossier]: fills a data folder (by default the program folder's
// Donnees) with the demonstration guest house.

#include "app/DialoguesConsole.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "app/Plateforme.h"
#include "app/Progression.h"
#include "maintenance/DonneesDemo.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

using namespace velorin;

namespace {

void afficher(const QString& texte) { std::printf("%s\n", texte.toLocal8Bit().constData()); }

class ProgressionConsole : public Progression {
public:
    void setLibelle(const QString& texte) override { afficher(texte); }
    void setMaximum(int maximum) override { maximum_ = maximum; }
    int maximum() const override { return maximum_; }
    void setPosition(int position) override { position_ = position; }
    int position() const override { return position_; }
    void traiterEvenements() override {}

private:
    int maximum_ = 0;
    int position_ = 0;
};

constexpr int codeUsage = 64;
constexpr int codeDossierNonVide = 3;

void usage()
{
    afficher(u"Usage : velorin-demo [--grand] [dossier]"_qs);
    afficher(u"  Remplit le dossier de données (par défaut Donnees dans le dossier du programme) avec une"_qs);
    afficher(u"  maison d'hôtes de démonstration : 12 hébergements sur 5 ans autour d'aujourd'hui,"_qs);
    afficher(u"  ou 60 hébergements sur 20 ans avec --grand. Le dossier doit être vide de données."_qs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    bool grand = false;
    QString dossier;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (const QString& argument : arguments) {
        if (argument == u"--grand"_qs) {
            grand = true;
        } else if (argument == u"-h"_qs || argument == u"--help"_qs) {
            usage();
            return 0;
        } else if (argument.startsWith(u'-') || !dossier.isEmpty()) {
            usage();
            return codeUsage;
        } else {
            dossier = argument;
        }
    }

    DialoguesConsole dialogues;
    HorlogeSysteme horloge;
    PlateformeSysteme plateforme;
    try {
        DMCommun commun({dialogues, horloge, plateforme}, QCoreApplication::applicationDirPath());
        commun.creer();
        if (commun.terminaisonDemandee()) return 1;
        if (!dossier.isEmpty()) commun.setDossierDonnees(QDir(dossier).absolutePath());
        DMVelorin velorin(commun);
        if (!GenerateurDemo::donneesVides(commun.base())) {
            dialogues.erreur(u"Le dossier de données %1 contient déjà des données : rien n'a été écrit."_qs.arg(
                commun.dossierDonnees()));
            return codeDossierNonVide;
        }

        ParametresDemo parametres = grand ? ParametresDemo::grand(horloge.aujourdhui()) : ParametresDemo();
        parametres.reference = horloge.aujourdhui();
        afficher(u"Données de démonstration dans %1 : %2 hébergements, du %3 au %4"_qs.arg(
            commun.dossierDonnees(), QString::number(parametres.nbHebergements),
            parametres.debut().toString(u"dd/MM/yyyy"_qs), parametres.fin().toString(u"dd/MM/yyyy"_qs)));
        QElapsedTimer chrono;
        chrono.start();
        ProgressionConsole progression;
        const BilanDemo bilan = GenerateurDemo(velorin).generer(parametres, &progression);
        afficher(u"%1 hébergements, %2 types de tarifs, %3 contacts, %4 réservations, %5 nuits, %6 lignes de "
                 "prestations, %7 lignes de repas, %8 écritures, %9 remarques (%10 s)"_qs
                     .arg(bilan.hebergements)
                     .arg(bilan.typesTarifs)
                     .arg(bilan.contacts)
                     .arg(bilan.reservations)
                     .arg(bilan.nuits)
                     .arg(bilan.lignesPrestations)
                     .arg(bilan.lignesRepas)
                     .arg(bilan.ecritures)
                     .arg(bilan.remarques)
                     .arg(static_cast<double>(chrono.elapsed()) / 1000, 0, 'f', 1));
        return dialogues.erreurs().isEmpty() ? 0 : 1;
    } catch (const std::exception& e) {
        dialogues.erreur(texteErreur(e));
        return 1;
    }
}
