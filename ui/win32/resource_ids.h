#pragma once
// The program's resources, shared by quorvel.rc and the code that loads them.
#define QUORVEL_ICON 1
#define QUORVEL_PICTURE_NORMAL 101
#define QUORVEL_PICTURE_HIGHLIGHTED 102
#define QUORVEL_HAND_POINTER 103
