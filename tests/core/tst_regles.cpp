#include "lignecommande.h"
#include "nomsfichiers.h"
#include "nomwindows.h"
#include "regleprofil.h"
#include "typesfichiers.h"

#include <QTest>

class TstRegles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void motifs();
    void composition();
    void nomWindows();
    void profil();
    void ligneCommande();
};

void TstRegles::motifs() {
    for (const auto& [nom, motif, attendu] : {
             std::tuple{"A.JPG", "*.jpg", true},
             {"a.jpeg", "*.jpg", false},
             {"a.jpg   [M]", "*.jpg", false},
             {"photo.jpg.bmp", "*.jpg", false},
             {"jpg", "*.jpg", false},
             {"sans extension", "*.*", true},
             {"x.mp3   [M]", "*.*   [M]", true},
             {"x.mp3  [M]", "*.*   [M]", false},
             {"-rf.jpg", "*.jpg", true},
         })
        QVERIFY2(NomsFichiers::CorrespondMotif(QString::fromUtf8(nom), motif) == attendu, nom);
    for (const char* t : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b"})
        QVERIFY2(NomsFichiers::ContientCaractereInterdit(QString::fromUtf8(t)), t);
    QVERIFY(!NomsFichiers::ContientCaractereInterdit(" _ Été [M] (R) 'x'.jpg"));

    QStringList noms{"b.jpg", "A.jpg", "a.jpg", "Été.jpg", "_x.jpg", "10.jpg", "2.jpg", "B.jpg"};
    NomsFichiers::TrierCommeDossier(noms);
    QCOMPARE(noms, QStringList({"10.jpg", "2.jpg", "A.jpg", "a.jpg", "B.jpg", "b.jpg", "_x.jpg",
                                "Été.jpg"}));
    for (int i = 1; i < noms.size(); ++i)
        QVERIFY(NomsFichiers::AvantDans(noms[i - 1], noms[i]));
}

void TstRegles::composition() {
    struct Cas {
        QStringList noms;
        int index;
        QString filtre;
        bool casse;
        QStringList attendu;
    };
    const QStringList dossier{"a.jpg   [M]", "b.jpg", "c.bmp"};
    const QStringList ete{"ETE 2019.jpg", "Ete 2019.jpg", "hiver.jpg"};
    const QString illisible = QStringLiteral(" / nom illisible");
    const QList<Cas> cas{
        // Marked first, then bmp before jpg.
        {dossier, 0, "", true, {"a.jpg   [M]", "c.bmp", "b.jpg"}},
        {{"b.jpg", "x.mp3   [M]"}, 0, "", true, {"x.mp3   [M]", "b.jpg"}},
        {{"a.jpg   [M]", "b.jpg", "notes.txt"}, 8, "", true, {"a.jpg   [M]", "b.jpg", "notes.txt"}},
        {{"a.jpeg", "b.jpg", "c.JPG"}, 1, "", true, {"b.jpg", "c.JPG", "a.jpeg"}},
        {{"a.mid", "b.wav", "c.mp3", "d.jpg"}, 4, "", true, {"c.mp3", "b.wav", "a.mid"}},
        {ete, 7, "Ete", true, {"Ete 2019.jpg"}},
        {ete, 7, "Ete", false, {"ETE 2019.jpg", "Ete 2019.jpg"}},
        {dossier, 7, "", true, {"a.jpg   [M]"}},
        {dossier, 7, "jpg", true, {"a.jpg   [M]", "b.jpg"}},
        // An unreadable name is sorted by what can be read of it.
        {{"a.JPG" + illisible, "b.jpg   [M]" + illisible, "c.txt" + illisible},
         0,
         "",
         true,
         {"b.jpg   [M]" + illisible, "a.JPG" + illisible}},
    };
    for (Cas c : cas) {
        NomsFichiers::TrierCommeDossier(c.noms);
        QCOMPARE(TypesFichiers::ComposerListe(c.noms, c.index, {c.filtre, c.casse}), c.attendu);
    }

    QCOMPARE(TypesFichiers::Texte(0), QString("Tous fichiers image  (*.*)"));
    QCOMPARE(TypesFichiers::Texte(7), QString("Tri par chaîne de caractères"));
    QCOMPARE(TypesFichiers::Texte(8), QString("Tous fichiers  (*.*)"));
    QVERIFY(TypesFichiers::EstImage(TypesFichiers::Gif) && !TypesFichiers::EstImage(4));
    QCOMPARE(TypesFichiers::Motifs(0),
             QStringList({"*.bmp", "*.jpg", "*.jpeg", "*.gif", "*.wmf", "*.ico"}));
}

void TstRegles::nomWindows() {
    // Major, minor, platform (1 = 9x, 2 = NT).
    for (const auto& [majeure, mineure, plateforme, attendu] : {
             std::tuple{3, 51, 2, "WinNT3"},
             {3, 10, 1, "Win3x"},
             {4, 0, 2, "WinNT4"},
             {4, 0, 1, "Win95"},
             {4, 10, 1, "Win98"},
             {4, 90, 1, "WinME"},
             {4, 3, 1, ""},
             {5, 0, 2, "Win2000"},
             {5, 1, 2, "WinXP"},
             {5, 2, 2, ""},
             {6, 1, 2, "???"},
         })
        QCOMPARE(NomWindows(majeure, mineure, plateforme), QString(attendu));
}

void TstRegles::profil() {
    for (const auto& [dossier, accepte] : {
             std::pair{"/home/nom", true},
             {"/home/nom/Documents/", true},
             {"/home/nommé", false},
             {"/opt/photos", false},
             {"/mnt/c/Users/Nom", true},
             {"/media/xp/Documents and Settings/Nom", true},
             {"/mnt/win/utilisateurs/nom", true},
             {"/mnt/c/Users/Public", false},
             {"/home/nom/Public", false},
             {"/home/nom/Publications", true},
             {"", false},
         })
        QVERIFY2(DossierProfilAccepte(QString::fromUtf8(dossier), "/home/nom") == accepte, dossier);
    // XDG_DATA_HOME counts only when absolute.
    const QString defaut = QStringLiteral("/home/nom/.local/share/Vimbral");
    QCOMPARE(DossierProgrammeXdg("", "/home/nom"), defaut);
    QCOMPARE(DossierProgrammeXdg("/data/nom/", "/home/nom"), QString("/data/nom/Vimbral"));
    QCOMPARE(DossierProgrammeXdg("donnees", "/home/nom"), defaut);
    QCOMPARE(DossierProgrammeXdg("./x", "/home/nom"), defaut);
}

void TstRegles::ligneCommande() {
    using A = LigneCommande::Action;
    for (const auto& [arguments, action, chemin] : {
             std::tuple{QStringList{}, A::Ouvrir, ""},
             {QStringList{"Photos/"}, A::Ouvrir, "/ici/Photos"},
             {QStringList{"/a/../b/x.jpg"}, A::Ouvrir, "/b/x.jpg"},
             {QStringList{"x", "--version"}, A::Version, ""},
             {QStringList{"-h"}, A::Aide, ""},
             {QStringList{"--tout"}, A::Erreur, ""},
             {QStringList{"a", "b"}, A::Erreur, ""},
             {QStringList{"--", "-x.jpg"}, A::Ouvrir, "/ici/-x.jpg"},
         }) {
        const LigneCommande l = LireLigneCommande(QStringList{"vimbral"} + arguments, "/ici");
        QCOMPARE(l.action, action);
        QCOMPARE(l.chemin, QString(chemin));
        QCOMPARE(l.message.isEmpty(), l.action != A::Erreur);
    }
}

QTEST_GUILESS_MAIN(TstRegles)
#include "tst_regles.moc"
