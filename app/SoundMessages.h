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
