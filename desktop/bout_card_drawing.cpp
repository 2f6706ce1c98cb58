#include "desktop/bout_card_drawing.h"

#include "desktop/picture_copy.h"

namespace kelmar {

void DrawBoutCard(const DayCard& card, QImage& board) {
    canvas::DrawBoutCard(card, PixelsOf(board));
}

void ClearBoard(QImage& board) {
    canvas::ClearBoard(PixelsOf(board));
}

DayPictures DayPictures::Load() {
    DayPictures pictures;
    pictures.pictures_ = canvas::DayPictures::Load();
    return pictures;
}

void DayPictures::LightLamps(QImage& board, int bout) const {
    pictures_.LightLamps(PixelsOf(board), bout);
}

void DayPictures::DrawTechnique(QImage& board, int bout, int tactic) const {
    pictures_.DrawTechnique(PixelsOf(board), bout, tactic);
}

void DayPictures::PutOutLamp(QImage& board, int bout, Side loser) const {
    pictures_.PutOutLamp(PixelsOf(board), bout, loser);
}

}  // namespace kelmar
