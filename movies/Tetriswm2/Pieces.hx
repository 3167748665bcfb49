// The seven pieces: their cells in a square box, turned by a quarter at a
// time, and their colours.
class Pieces {
	static var cells:Array<Array<Array<Int>>> = [
		[[0, 1], [1, 1], [2, 1], [3, 1]], // I
		[[1, 0], [2, 0], [1, 1], [2, 1]], // O
		[[1, 0], [0, 1], [1, 1], [2, 1]], // T
		[[1, 0], [2, 0], [0, 1], [1, 1]], // S
		[[0, 0], [1, 0], [1, 1], [2, 1]], // Z
		[[0, 0], [0, 1], [1, 1], [2, 1]], // J
		[[2, 0], [0, 1], [1, 1], [2, 1]], // L
	];
	static var sizes = [4, 4, 3, 3, 3, 3, 3];
	static var colours = [0x5BC8F0, 0xFFD27A, 0x9B7BD8, 0x6CC04A, 0xE25B4B, 0x3A6FB0, 0xF39A3D];

	public static function shape(kind:Int, turn:Int):Array<Array<Int>> {
		var n = sizes[kind];
		var out = [for (c in cells[kind]) [c[0], c[1]]];
		if (kind == 1)
			return out;
		for (i in 0...turn)
			out = [for (c in out) [n - 1 - c[1], c[0]]];
		return out;
	}

	public static function colour(kind:Int):Int {
		return colours[kind];
	}
}
