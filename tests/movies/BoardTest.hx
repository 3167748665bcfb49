// The rules of the game's movie, run by haxe's interpreter: lines, score,
// levels, game over, turning at a wall, and the order of the pieces.
class BoardTest {
	static inline var I = 0;
	static inline var O = 1;

	static var passed = 0;
	static var failed = 0;

	static function check(what:String, ok:Bool, ?detail:Dynamic) {
		if (ok) {
			passed++;
		} else {
			failed++;
			Sys.println('FAILED: $what ${detail == null ? "" : Std.string(detail)}');
		}
	}

	// Five squares side by side, each dropped from the top: two full lines.
	static function fillTwoLines(b:Board) {
		for (shift in [-4, -2, 0, 2, 4]) {
			var step = shift < 0 ? -1 : 1;
			for (i in 0...Std.int(Math.abs(shift)))
				b.move(step);
			b.hardDrop();
		}
	}

	static function empty(b:Board):Bool {
		for (c in b.cells)
			if (c != 0)
				return false;
		return true;
	}

	static function main() {
		var squares = new Board(() -> O);
		fillTwoLines(squares);
		check("two lines cleared", squares.lines == 2, squares.lines);
		check("the well is empty again", empty(squares));
		// 300 for two lines at level 1, and 2 for each row a square fell (16).
		check("score", squares.score == 300 + 5 * 32, squares.score);
		check("still level 1", squares.level == 1);
		for (round in 0...4)
			fillTwoLines(squares);
		check("ten lines make level 2", squares.lines == 10 && squares.level == 2, squares.level);
		check("pieces fall faster", squares.fallTime() < new Board(() -> O).fallTime());

		var tower = new Board(() -> O);
		var drops = 0;
		while (!tower.over && drops < 20) {
			tower.hardDrop();
			drops++;
		}
		check("a tower to the top ends the game", tower.over && drops == 9, drops);
		var before = tower.score;
		tower.move(-1);
		tower.hardDrop();
		check("nothing moves after the end", tower.score == before);
		tower.reset();
		check("a new game starts empty", !tower.over && tower.score == 0 && empty(tower));

		var soft = new Board(() -> O);
		soft.softDrop();
		soft.softDrop();
		check("a soft drop scores a point a row", soft.score == 2 && soft.row == 2, soft.score);

		var bar = new Board(() -> I);
		bar.rotate();
		for (i in 0...10)
			bar.move(-1);
		check("an upright bar reaches the wall", minColumn(bar) == 0, minColumn(bar));
		check("it turns flat against the wall", bar.rotate() && minColumn(bar) == 0 && maxColumn(bar) == 3,
			bar.cellsOfPiece());
		check("it cannot leave the well", !bar.move(-1));

		var bag = new Board();
		var seen = [for (k in 0...7) 0];
		seen[bag.kind]++;
		for (i in 0...6) {
			bag.hardDrop();
			seen[bag.kind]++;
		}
		check("the first seven pieces are the seven kinds", seen.join(",") == "1,1,1,1,1,1,1", seen);

		Sys.println('$passed passed, $failed failed');
		Sys.exit(failed == 0 ? 0 : 1);
	}

	static function minColumn(b:Board):Int {
		return Std.int(Lambda.fold(b.cellsOfPiece(), (p, m) -> Math.min(p[0], m), 99));
	}

	static function maxColumn(b:Board):Int {
		return Std.int(Lambda.fold(b.cellsOfPiece(), (p, m) -> Math.max(p[0], m), -1));
	}
}
