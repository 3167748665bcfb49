// The rules of the falling-blocks game, apart from how it is drawn: the
// well, the falling piece, the next one, score, lines, level and game over.
class Board {
	public static inline var COLS = 10;
	public static inline var ROWS = 18;

	// 0 for an empty cell, else the kind of the piece that left it, plus one.
	public var cells(default, null):Array<Int>;
	public var kind(default, null) = 0;
	public var turn(default, null) = 0;
	public var col(default, null) = 0;
	public var row(default, null) = 0;
	public var next(default, null) = 0;
	public var score(default, null) = 0;
	public var lines(default, null) = 0;
	public var level(default, null) = 1;
	public var over(default, null) = false;

	var bag:Array<Int> = [];
	var pick:Void->Int;

	// pick gives the kind of each next piece; by default every kind comes
	// once in each round of seven, in a shuffled order.
	public function new(?pick:Void->Int) {
		this.pick = pick != null ? pick : fromBag;
		reset();
	}

	public function reset() {
		cells = [for (i in 0...COLS * ROWS) 0];
		score = 0;
		lines = 0;
		level = 1;
		over = false;
		bag = [];
		next = pick();
		spawn();
	}

	// Milliseconds between two steps down: faster at every level.
	public function fallTime():Int {
		return Std.int(Math.max(90, 800 - (level - 1) * 75));
	}

	public function cellsOfPiece():Array<Array<Int>> {
		return placed(kind, turn, col, row);
	}

	public function move(dx:Int):Bool {
		if (over || !fits(kind, turn, col + dx, row))
			return false;
		col += dx;
		return true;
	}

	// Turns clockwise, nudged sideways when a wall or a block is in the way.
	public function rotate():Bool {
		if (over)
			return false;
		var t = (turn + 1) % 4;
		for (dx in [0, -1, 1, -2, 2]) {
			if (fits(kind, t, col + dx, row)) {
				turn = t;
				col += dx;
				return true;
			}
		}
		return false;
	}

	// One step down; a piece that cannot go further is laid down.
	public function step() {
		if (over)
			return;
		if (fits(kind, turn, col, row + 1))
			row++;
		else
			lay();
	}

	public function softDrop() {
		if (over)
			return;
		if (fits(kind, turn, col, row + 1)) {
			row++;
			score += 1;
		} else {
			lay();
		}
	}

	public function hardDrop() {
		if (over)
			return;
		while (fits(kind, turn, col, row + 1)) {
			row++;
			score += 2;
		}
		lay();
	}

	function lay() {
		for (c in cellsOfPiece())
			if (c[1] >= 0)
				cells[c[1] * COLS + c[0]] = kind + 1;
		var cleared = 0;
		var r = ROWS - 1;
		while (r >= 0) {
			if (full(r)) {
				cells.splice(r * COLS, COLS);
				for (i in 0...COLS)
					cells.unshift(0);
				cleared++;
			} else {
				r--;
			}
		}
		score += [0, 100, 300, 500, 800][cleared] * level;
		lines += cleared;
		level = 1 + Std.int(lines / 10);
		spawn();
	}

	function full(r:Int):Bool {
		for (c in 0...COLS)
			if (cells[r * COLS + c] == 0)
				return false;
		return true;
	}

	function spawn() {
		kind = next;
		next = pick();
		turn = 0;
		col = 3;
		row = 0;
		if (!fits(kind, turn, col, row))
			over = true;
	}

	function fromBag():Int {
		if (bag.length == 0) {
			bag = [0, 1, 2, 3, 4, 5, 6];
			for (i in 0...bag.length) {
				var j = i + Std.random(bag.length - i);
				var t = bag[i];
				bag[i] = bag[j];
				bag[j] = t;
			}
		}
		return bag.pop();
	}

	function fits(k:Int, t:Int, c:Int, r:Int):Bool {
		for (p in placed(k, t, c, r)) {
			if (p[0] < 0 || p[0] >= COLS || p[1] >= ROWS)
				return false;
			if (p[1] >= 0 && cells[p[1] * COLS + p[0]] != 0)
				return false;
		}
		return true;
	}

	static function placed(k:Int, t:Int, c:Int, r:Int):Array<Array<Int>> {
		return [for (p in Pieces.shape(k, t)) [p[0] + c, p[1] + r]];
	}
}
