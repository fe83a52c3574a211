// Each generator draws one family of pictures (or sounds) into art::outputRoot().
#pragma once

void genCore();    // cursor
void genMusic();   // menu music loop
void genSounds();  // sound effects
void genTiles();   // ground tiles of the world map
void genUnits();   // hero and enemy map sheets
void genWorldUi(); // move arrows, range squares, move-point digits, turn banners, HUD
void genKeyPictures(); // key caps, the undo button, the enemies' reach square (drawn with worldui)
void genMenus();   // main, pause, settings, team selection and end screens
void genFight();      // card battle: background, HUD, fighters, cards, effects, cursor
void genTransition(); // level transition sheets (map unrolling)
void genCamp();       // crates, camp heal screen, dialog box frame
void genIcons();      // the desktop icon at 48, 128 and 256 pixels (dist/icons)
