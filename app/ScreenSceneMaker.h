// Makes the screen scenes other than stage play: title, world map, save
// screen, challenge list and options.
#pragma once

class cScene;

bool MakesScreenScene(int scene);
cScene* MakeScreenScene(int scene);
