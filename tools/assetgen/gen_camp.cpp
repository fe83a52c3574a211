// Crates on the map, the camp heal screen and the tutorial box frame.
#include "art.hpp"
#include "generators.hpp"
#include "loop_camp.hpp"

using namespace art;

void genCamp() {
    camp::crateClosed().save(out("Sprites/Crate/Tile_box.png"));
    camp::crateOpened().save(out("Sprites/Crate/Tile_box_opened.png"));

    const std::string dir = "Sprites/Camp/";
    camp::healBackground().save(out(dir + "HUD_heal.png"));
    camp::healButton().save(out(dir + "button_healing.png"));
    camp::closeCross().save(out(dir + "cross.png"));
    camp::lifeBarFill().save(out(dir + "life_bar-Sheet-export.png"));
    camp::healSparkleSheet().save(out(dir + "heal_spritsheet.png"));

    camp::dialogLeft().save(out("DialogBox/Sprites/Left.png"));
    camp::dialogMid().save(out("DialogBox/Sprites/Mid.png"));
    camp::dialogRight().save(out("DialogBox/Sprites/Right.png"));
}
