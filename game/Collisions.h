// Every contact between the player's side and the enemies' side, decided by
// the frame pass between its list walks: damage, points, kills, the special
// gauge, locks, the last-hit record, the guide lines and the warning tone.
#pragma once

class CSprite;

// Controls not locked by a script, the ship active and under control.
bool IsControlPossible();

// After each living object of the enemy list, frozen or not: the rear cone
// (sets *rearCone), the guide lines, score items and contact with the ship.
void TestEnemyAgainstPlayer(CSprite* object, bool* rearCone);
// Once after the enemy list: the warning tone runs while the rear cone is occupied.
void UpdateWarningTone(bool rearCone);
// After each sub-step of a player attack (never while frozen), against every enemy.
void TestAttackAgainstEnemies(CSprite* attack);
// After each living enemy shot, frozen or not: the ship and its aura.
void TestEnemyShotAgainstPlayer(CSprite* shot);
