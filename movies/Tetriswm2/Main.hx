// The game window's movie: falling blocks, played with the arrow keys and
// the space bar.
import flash.Lib;
import flash.display.Shape;
import flash.display.Sprite;
import flash.events.Event;
import flash.events.KeyboardEvent;
import flash.text.TextField;

class Main extends Sprite {
	// The well's top left corner and the side of a cell, in pixels of the stage.
	static inline var WELL_X = 24;
	static inline var WELL_Y = 18;
	static inline var CELL = 19;
	static inline var SIDE_X = 236;

	var board = new Board();
	var well = new Shape();
	var preview = new Shape();
	var score:TextField;
	var lines:TextField;
	var level:TextField;
	var gameOver = new Sprite();
	var lastStep = 0;
	var endedAt = 0;
	var dirty = true;

	public function new() {
		super();
		Look.sky(graphics, 481, 377);
		Look.box(graphics, WELL_X - 5, WELL_Y - 5, Board.COLS * CELL + 10, Board.ROWS * CELL + 10, 0x0F1E33, Look.BLUE, 8);
		graphics.lineStyle(1, 0x1A2D4A);
		for (c in 1...Board.COLS) {
			graphics.moveTo(WELL_X + c * CELL, WELL_Y);
			graphics.lineTo(WELL_X + c * CELL, WELL_Y + Board.ROWS * CELL);
		}
		for (r in 1...Board.ROWS) {
			graphics.moveTo(WELL_X, WELL_Y + r * CELL);
			graphics.lineTo(WELL_X + Board.COLS * CELL, WELL_Y + r * CELL);
		}
		graphics.lineStyle();
		addChild(well);
		side();
		over();
		addEventListener(Event.ENTER_FRAME, frame);
		Lib.current.stage.addEventListener(KeyboardEvent.KEY_DOWN, key);
		lastStep = Lib.getTimer();
	}

	function side() {
		var title = "TETRIS";
		var x:Float = SIDE_X + 12;
		for (i in 0...title.length) {
			var letter = Look.text(title.charAt(i), 34, Look.shade(Pieces.colour((i + 6) % 7), 0.1), true);
			letter.x = x;
			letter.y = 6;
			addChild(letter);
			x += letter.textWidth + 4;
		}
		score = counter("PUNTOS", SIDE_X, 60, 222);
		lines = counter("LÍNEAS", SIDE_X, 122, 106);
		level = counter("NIVEL", SIDE_X + 116, 122, 106);
		Look.box(graphics, SIDE_X, 184, 222, 92, Look.NAVY_LIGHT, Look.BLUE);
		caption("SIGUIENTE", SIDE_X + 10, 188);
		preview.x = SIDE_X + 111;
		preview.y = 236;
		addChild(preview);
		var x = keyCap(SIDE_X + 4, 296, 0);
		x = keyCap(x + 4, 296, 2);
		x = label("mover", x + 6, 296);
		x = keyCap(x + 16, 296, 3);
		label("girar", x + 6, 296);
		x = keyCap(SIDE_X + 4, 330, 1);
		x = label("bajar", x + 6, 330);
		x = keyCap(x + 16, 330, -1);
		label("soltar", x + 6, 330);
	}

	// A key of the keyboard with an arrow pointing left (0), down (1), right
	// (2) or up (3), or the space bar (-1). Returns where it ends.
	function keyCap(x:Float, y:Float, arrow:Int):Float {
		var w = arrow < 0 ? 64 : 24;
		Look.box(graphics, x, y, w, 24, Look.NAVY_LIGHT, Look.BLUE_LIGHT, 6);
		if (arrow < 0) {
			var t = Look.text("Espacio", 11, Look.MIST);
			t.x = x + 10;
			t.y = y + 4;
			addChild(t);
			return x + w;
		}
		var d = [[-1, 0], [0, 1], [1, 0], [0, -1]][arrow];
		var cx = x + 12, cy = y + 12;
		graphics.beginFill(Look.MIST);
		graphics.moveTo(cx + 5 * d[0], cy + 5 * d[1]);
		graphics.lineTo(cx - 4 * d[0] - 5 * d[1], cy - 4 * d[1] + 5 * d[0]);
		graphics.lineTo(cx - 4 * d[0] + 5 * d[1], cy - 4 * d[1] - 5 * d[0]);
		graphics.endFill();
		return x + w;
	}

	function label(text:String, x:Float, y:Float):Float {
		var t = Look.text(text, 12, Look.MIST);
		t.x = x;
		t.y = y + 3;
		addChild(t);
		return x + t.textWidth + 4;
	}

	function counter(name:String, x:Float, y:Float, width:Float):TextField {
		Look.box(graphics, x, y, width, 54, Look.NAVY_LIGHT, Look.BLUE);
		caption(name, x + 10, y + 4);
		var value = Look.text("0", 22, Look.WHITE, true);
		value.x = x + 10;
		value.y = y + 20;
		addChild(value);
		return value;
	}

	function caption(name:String, x:Float, y:Float) {
		var t = Look.text(name, 11, Look.GOLD, true);
		t.x = x;
		t.y = y;
		addChild(t);
	}

	function over() {
		var w = Board.COLS * CELL;
		gameOver.graphics.beginFill(0x000000, 0.6);
		gameOver.graphics.drawRect(0, 0, w, Board.ROWS * CELL);
		gameOver.graphics.endFill();
		Look.box(gameOver.graphics, 10, 120, w - 20, 96, Look.ORANGE_DEEP, 0xA85A10);
		gameOver.addChild(Look.centred("FIN DEL JUEGO", 20, Look.WHITE, w / 2, 134, true));
		gameOver.addChild(Look.centred("Espacio: jugar otra vez", 13, Look.WHITE, w / 2, 174));
		gameOver.x = WELL_X;
		gameOver.y = WELL_Y;
		gameOver.visible = false;
		addChild(gameOver);
	}

	function key(e:KeyboardEvent) {
		if (board.over) {
			// A space still meant as a drop does not start the next game at once.
			if (e.keyCode == 32 && Lib.getTimer() - endedAt > 1000) {
				board.reset();
				lastStep = Lib.getTimer();
				dirty = true;
			}
			return;
		}
		switch (e.keyCode) {
			case 37: board.move(-1);
			case 39: board.move(1);
			case 38: board.rotate();
			case 40:
				board.softDrop();
				lastStep = Lib.getTimer();
			case 32: board.hardDrop();
			default: return;
		}
		dirty = true;
	}

	function frame(_) {
		var now = Lib.getTimer();
		if (!board.over && now - lastStep >= board.fallTime()) {
			board.step();
			lastStep = now;
			dirty = true;
		}
		if (board.over && !gameOver.visible)
			endedAt = now;
		if (dirty)
			draw();
		dirty = false;
	}

	function draw() {
		var g = well.graphics;
		g.clear();
		for (r in 0...Board.ROWS) {
			for (c in 0...Board.COLS) {
				var k = board.cells[r * Board.COLS + c];
				if (k != 0)
					Look.block(g, WELL_X + c * CELL, WELL_Y + r * CELL, CELL, Pieces.colour(k - 1));
			}
		}
		if (!board.over) {
			for (p in board.cellsOfPiece())
				if (p[1] >= 0)
					Look.block(g, WELL_X + p[0] * CELL, WELL_Y + p[1] * CELL, CELL, Pieces.colour(board.kind));
		}
		var pg = preview.graphics;
		pg.clear();
		var shape = Pieces.shape(board.next, 0);
		var minX = 4, maxX = 0, minY = 4, maxY = 0;
		for (p in shape) {
			minX = Std.int(Math.min(minX, p[0]));
			maxX = Std.int(Math.max(maxX, p[0]));
			minY = Std.int(Math.min(minY, p[1]));
			maxY = Std.int(Math.max(maxY, p[1]));
		}
		for (p in shape)
			Look.block(pg, (p[0] - (minX + maxX + 1) / 2) * CELL, (p[1] - (minY + maxY + 1) / 2) * CELL, CELL, Pieces.colour(board.next));
		score.text = Std.string(board.score);
		lines.text = Std.string(board.lines);
		level.text = Std.string(board.level);
		gameOver.visible = board.over;
	}

	static function main() {
		Lib.current.addChild(new Main());
	}
}
