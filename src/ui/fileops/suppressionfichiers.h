#pragma once

class CopierColler;
class FrmPhoto;

// Deletion of the selected files to the trash, after one question that lists them; a file
// the user cannot write is asked about on its own. Nothing is ever erased for good: a file
// the trash refuses stays, with its entry.
class SuppressionFichiers {
public:
    SuppressionFichiers(FrmPhoto& fenetre, CopierColler& collage);

    void mnuDelete_Click();

private:
    FrmPhoto& m_f;
    CopierColler& m_collage;
};
