// The main window itself: its menus and the options they write, the first activation and the
// start folder, the file types, the settings files, closing.
#include "banc.h"
#include "etatprogramme.h"
#include "frmphoto.h"
#include "menusphoto.h"
#include "outilsfenetre.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString Question = QStringLiteral(
    "Vous avez marqué des fichiers avec l'extension \"   [M]\" avant certaines opérations.\n"
    "Le fait de laisser cette extension risque fort de perturber le fonctionnement d'autres "
    "programmes à la lecture de ces fichiers.\n\nVoulez-vous effacer ces extensions ?\n\nNB : "
    "la durée de cette procédure sera fonction du nombre de répertoires que vous avez ouvert.");
QByteArray photoIni(const QString& dossier, const char* fin = "#TRUE#,0") {
    return ("\"" + dossier + "\"," + fin + "\r\n").toUtf8();
}

} // namespace

class TstFenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fenetreNeuve();
    void menus();
    void typesDeFichiers();
    void reglagesDOuverture();
};

// A window of a first start: its first activation.
void TstFenetre::fenetreNeuve() {
    Banc b;
    EtatProgramme etat;
    FrmPhoto f(b.plateforme, etat);
    b.dialogues.attendreMessage("");
    f.Form_Activate();
    VERIFIER_DIALOGUES(b.dialogues);
    QCOMPARE(Banc::lire(b.programme() + "/Photo.ini"), photoIni(DossierPersonnelTest()));
    QCOMPARE(etat.RepertoireOuvert, DossierPersonnelTest() + "/");
}

// How a button opens its menu, and items that write a setting at once.
void TstFenetre::menus() {
    Banc b;
    Options o;
    o.BullesListe = 0;
    o.PoliceTexte = "Police gardée";
    const QString options = Banc::creerFichier(b.programme() + "/Options.cfg", o.versLigne());
    FenetreOuverte w(b, {"a.jpg"});
    FrmPhoto& f = w.f;
    MenusPhoto& m = f.menus();
    // A button pops its menu up; the chosen item runs.
    Banc::creerFichier(b.photos() + "/b.jpg");
    b.dialogues.attendreMenu("mnuOptions", "mnuRefresh");
    QTest::mouseClick(f.CmdOption, Qt::LeftButton);
    QCOMPARE(f.LstFF->count(), 2);
    QVERIFY(w.etat.IgnorerClicApercu);
    VERIFIER_DIALOGUES(b.dialogues);

    // A toggle rewrites all 22 fields: the text-overlay font survives.
    m.article("mnuBulles")->trigger();
    QCOMPARE(w.etat.options.BullesListe, quint8(1));
    m.article("mnuOuv")->trigger();
    Options relu;
    QCOMPARE(relu.lire(Banc::lire(options)), 22);
    QCOMPARE(relu.PoliceTexte, QString("Police gardée"));
    QCOMPARE(relu.BullesListe + 10 * relu.OuvertureSimpleClic, 1);
}

// The file types and the string filter, a refresh, a folder change.
void TstFenetre::typesDeFichiers() {
    Banc b;
    // A marked picture, pictures of two types, a sound and a text.
    FenetreOuverte w(b, {"a.jpg   [M]", "b.jpg", "c.bmp", "notes.txt", "chant.MP3", "Ete 2019.jpg",
                         "ETE 2019.jpg"});
    FrmPhoto& f = w.f;
    const QString a = "a.jpg   [M]";
    QCOMPARE(entrees(f), QStringList({a, "c.bmp", "b.jpg", "ETE 2019.jpg", "Ete 2019.jpg"}));
    f.CboFileType->setCurrentIndex(6);
    QCOMPARE(entrees(f), QStringList({a}));

    // The string filter: the marked files, then those holding the string, its case followed
    // or not; cancelled, the marked files alone under the labels as they were.
    auto filtrer = [&](const QString& chaine, int casse = -1) {
        f.CboFileType->setCurrentIndex(8);
        b.dialogues.attendreSaisie("", chaine);
        if (casse >= 0)
            b.dialogues.attendreMessage("Respecter la casse ?", Dialogues::Reponse(casse));
        f.CboFileType->setCurrentIndex(7);
        return entrees(f) << f.LabelTrie->text() << f.LblDirName->text();
    };
    QCOMPARE(filtrer("Ete", int(Dialogues::Reponse::Oui)),
             QStringList({a, "Ete 2019.jpg", "Chaine : Ete", "Répertoire ouvert : 2 fichier(s)"}));
    QCOMPARE(filtrer("Ete", int(Dialogues::Reponse::Non)),
             QStringList({a, "ETE 2019.jpg", "Ete 2019.jpg", "Chaine : ETE",
                          "Répertoire ouvert : 3 fichier(s)"}));
    QCOMPARE(filtrer(""), QStringList({a, "Chaine : ETE", "Répertoire ouvert : 7 fichier(s)"}));
    VERIFIER_DIALOGUES(b.dialogues);
}

// The settings read at start and written on the way: the last folder opened, the
// question about the start folder, the wheel's step; the marks at closing.
void TstFenetre::reglagesDOuverture() {
    Banc b;
    ParametresPhoto p;
    p.RepertoireDemarrage = b.photos();
    p.OuvrirDernier = 1;
    Banc::creerFichier(b.programme() + "/Photo.ini", p.versLigne());
    // Marked files in a folder opened; one's unmarked name is taken.
    const QString autre = b.racine() + "/autre";
    Banc::creerFichier(autre + "/x.jpg   [M]", "x");
    Banc::creerFichier(autre + "/y.jpg", "y");
    Banc::creerFichier(autre + "/y.jpg   [M]", "y marqué");
    EtatProgramme etat;
    {
        FrmPhoto f(b.plateforme, etat);
        f.Form_Activate();
        // Opening on the last folder: each folder opened is written at once.
        f.DefinirCheminDossier(autre);
        const QByteArray initial = Banc::lire(b.programme() + "/Photo.ini");
        QCOMPARE(initial, photoIni(autre, "#TRUE#,1"));
        auto repondre = [&](const QString& choix, const QString& dossier = "-") {
            b.dialogues.attendreSaisie("", choix);
            if (dossier != "-")
                b.dialogues.attendreDossier(dossier);
            if (!dossier.isEmpty() && dossier != "-")
                b.dialogues.attendreMessage("Le répertoire par défaut sera : " + dossier);
            f.mnuRep_Click();
            return Banc::lire(b.programme() + "/Photo.ini");
        };
        QCOMPARE(repondre("2"), initial);
        QCOMPARE(repondre("0", b.racine()), photoIni(b.racine()));
        QCOMPARE(repondre("1"), photoIni(b.racine(), "#TRUE#,1"));
        VERIFIER_DIALOGUES(b.dialogues);

        // The wheel's step: refused answers change nothing and write nothing.
        const QString options = b.programme() + "/Options.cfg";
        const std::pair<QString, int> reponses[] = {{"douze", 5}, {"40000", 5}, {"7,4", 7}};
        for (const auto& [reponse, pas] : reponses) {
            b.dialogues.attendreSaisie("", reponse);
            f.mnuNLi_Click();
            QCOMPARE(int(etat.options.PasMolette), pas);
            QCOMPARE(QFileInfo(options).isFile(), pas != 5);
        }
        QCOMPARE(Banc::lire(options),
                 QByteArray("\"\",0,0,0,0,0,0,0,0,0,0,\" _ \",116,117,0,65280,1,1,0,7,1,0\r\n"));
        // A folder where the file must go: the write fails even for root, the step is kept.
        QFile::remove(options);
        QDir().mkpath(options);
        b.dialogues.attendreSaisie("", "8");
        b.dialogues.attendreMessage("Impossible d'enregistrer le fichier \"" + options +
                                    "\".\nLes réglages modifiés restent en vigueur jusqu'à la "
                                    "fermeture du programme.");
        f.mnuNLi_Click();
        VERIFIER_DIALOGUES(b.dialogues);
        QCOMPARE(int(etat.options.PasMolette), 8);
        // Closing asks whether to unmark the files of "autre": Cancel keeps the window open,
        // Yes unmarks them but for the name taken, and nothing is replaced.
        b.dialogues.attendreMessage(Question, Dialogues::Reponse::Annuler);
        QVERIFY(!f.close());
        b.dialogues.attendreMessage(Question, Dialogues::Reponse::Oui);
        QVERIFY(f.close());
    }
    QCOMPARE(nomsSurDisque(autre), QStringList({"x.jpg", "y.jpg", "y.jpg   [M]"}));
    QCOMPARE(Banc::lire(autre + "/y.jpg") + Banc::lire(autre + "/x.jpg"), QByteArray("yx"));
    VERIFIER_DIALOGUES(b.dialogues);
}

VIMBRAL_TEST_MAIN(TstFenetre)
#include "tst_fenetre.moc"
