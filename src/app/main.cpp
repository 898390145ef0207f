#include "app/Horloge.h"
#include "app/Plateforme.h"
#include "app/screens/ApplicationVelorin.h"
#include "app/screens/Demarrage.h"
#include "ui/DialoguesQt.h"

int main(int argc, char* argv[])
{
    velorin::ApplicationVelorin application(argc, argv);
    application.arreterSurSignal();
    velorin::DialoguesQt dialogues;
    velorin::HorlogeSysteme horloge;
    velorin::PlateformeSysteme plateforme;
    velorin::Demarrage demarrage({dialogues, horloge, plateforme}, QCoreApplication::applicationDirPath());
    return demarrage.executer();
}
