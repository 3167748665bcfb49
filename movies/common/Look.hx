// The program's look in the movies: the colours of its skin and pictures,
// and the few shapes both movies draw.
import flash.display.GradientType;
import flash.display.Graphics;
import flash.display.Sprite;
import flash.geom.Matrix;
import flash.text.TextField;
import flash.text.TextFieldAutoSize;
import flash.text.TextFormat;

class Look {
	public static inline var NIGHT = 0x0B1834;
	public static inline var NAVY = 0x1B3352;
	public static inline var NAVY_LIGHT = 0x27476F;
	public static inline var BLUE = 0x3A6FB0;
	public static inline var BLUE_LIGHT = 0x5B92D4;
	public static inline var ORANGE = 0xF39A3D;
	public static inline var ORANGE_DEEP = 0xDC7B1C;
	public static inline var GOLD = 0xFFD27A;
	public static inline var WHITE = 0xFFFFFF;
	public static inline var MIST = 0xC8DCF0;

	// The night sky of the welcome picture.
	public static function sky(g:Graphics, width:Float, height:Float) {
		var m = new Matrix();
		m.createGradientBox(width, height, Math.PI / 2);
		g.beginGradientFill(GradientType.LINEAR, [NAVY, NIGHT], [1, 1], [0, 255], m);
		g.drawRect(0, 0, width, height);
		g.endFill();
	}

	public static function box(g:Graphics, x:Float, y:Float, w:Float, h:Float, fill:Int, line:Int, radius = 10.0) {
		g.lineStyle(2, line);
		g.beginFill(fill);
		g.drawRoundRect(x, y, w, h, radius, radius);
		g.endFill();
		g.lineStyle();
	}

	// A glossy block, lit from the top left.
	public static function block(g:Graphics, x:Float, y:Float, size:Float, colour:Int) {
		g.beginFill(shade(colour, -0.35));
		g.drawRect(x, y, size, size);
		g.beginFill(shade(colour, 0.45));
		g.drawRect(x, y, size - 2, size - 2);
		g.beginFill(colour);
		g.drawRect(x + 2, y + 2, size - 4, size - 4);
		g.beginFill(WHITE, 0.25);
		g.drawRect(x + 3, y + 3, size - 6, (size - 6) / 2);
		g.endFill();
	}

	// Lighter towards white (amount > 0) or darker towards black.
	public static function shade(colour:Int, amount:Float):Int {
		var out = 0;
		for (shift in [16, 8, 0]) {
			var c:Float = (colour >> shift) & 0xFF;
			c = amount > 0 ? c + (255 - c) * amount : c * (1 + amount);
			out |= Std.int(c) << shift;
		}
		return out;
	}

	public static function text(value:String, size:Int, colour:Int, bold = false):TextField {
		var t = new TextField();
		t.defaultTextFormat = new TextFormat("_sans", size, colour, bold);
		t.selectable = false;
		t.mouseEnabled = false;
		t.autoSize = TextFieldAutoSize.LEFT;
		t.text = value;
		return t;
	}

	// Text whose middle is at x.
	public static function centred(value:String, size:Int, colour:Int, x:Float, y:Float, bold = false):TextField {
		var t = text(value, size, colour, bold);
		t.x = x - t.width / 2;
		t.y = y;
		return t;
	}

	// A speech bubble like the program's icon: a rounded body with a tail at
	// the bottom, pointing left or right.
	public static function bubble(width:Float, height:Float, light:Int, colour:Int, deep:Int, tailLeft:Bool):Sprite {
		var s = new Sprite();
		var g = s.graphics;
		var m = new Matrix();
		m.createGradientBox(width, height, Math.PI / 2);
		g.lineStyle(3, deep);
		g.beginGradientFill(GradientType.LINEAR, [light, colour], [1, 1], [0, 255], m);
		g.drawRoundRect(0, 0, width, height, 40, 40);
		g.endFill();
		var tx = tailLeft ? width * 0.2 : width * 0.8;
		var d = tailLeft ? -1 : 1;
		g.lineStyle();
		g.beginFill(colour);
		g.moveTo(tx - 20 * d, height - 4);
		g.lineTo(tx + 22 * d, height + 24);
		g.lineTo(tx + 8 * d, height - 4);
		g.endFill();
		g.lineStyle(3, deep);
		g.moveTo(tx - 20 * d, height);
		g.lineTo(tx + 22 * d, height + 24);
		g.lineTo(tx + 8 * d, height);
		g.lineStyle();
		g.beginFill(WHITE, 0.22);
		g.drawRoundRect(10, 6, width - 20, height * 0.38, 30, 30);
		g.endFill();
		return s;
	}

	// A round smiling face, the program's emoticon, in the given colour.
	public static function smiley(radius:Float, colour:Int):Sprite {
		var s = new Sprite();
		var g = s.graphics;
		var m = new Matrix();
		m.createGradientBox(radius * 2, radius * 2, Math.PI / 2, -radius, -radius);
		g.lineStyle(2, shade(colour, -0.45));
		g.beginGradientFill(GradientType.LINEAR, [shade(colour, 0.5), colour], [1, 1], [0, 255], m);
		g.drawCircle(0, 0, radius);
		g.endFill();
		g.lineStyle();
		g.beginFill(0x1D2733);
		g.drawEllipse(-radius * 0.42, -radius * 0.45, radius * 0.22, radius * 0.36);
		g.drawEllipse(radius * 0.2, -radius * 0.45, radius * 0.22, radius * 0.36);
		g.endFill();
		g.lineStyle(radius * 0.12, 0x1D2733);
		g.moveTo(-radius * 0.5, radius * 0.15);
		g.curveTo(0, radius * 0.75, radius * 0.5, radius * 0.15);
		g.lineStyle();
		return s;
	}
}
