// The main window's handling of the sound and music requests (WM_USER+5 and
// WM_USER+6), and the start-up of both at initialisation.
#pragma once

#include "platform/Messages.h"

// WM_USER+5: plays sound number n of the sound-effect list. A number outside
// the list is reported and ignored: a missing sound never closes the program.
LRESULT OnPlaySoundRequest(WPARAM n);
// WM_USER+6: slots 0-3 play the System data's music of that screen, slot 4
// the stage music `music`; a music number of 0 stops the music.
LRESULT OnMusicRequest(WPARAM slot, LPARAM music);

// The music manager (when the options have music on), the sound-effect lists,
// the sound device at 22050 Hz, 8 bits, mono, and the sounds themselves.
// Without an audio device the program goes on silent, with a report line.
void StartSoundAndMusic();
void StopSoundAndMusic();

// The sound-effect volume of the options' level 0..10, set on every copy of
// every loaded sound.
void ApplySoundVolume(int level);
// Starts the music manager when the options turn music on and it is not
// running, or releases it when they turn it off; either way the last music
// request is forgotten, so that the next screen asks for its music again.
void ApplyMusicSwitch();
