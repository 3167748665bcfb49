// The team window's movie: the program's banner and its team under a night
// sky, ten seconds that start again at their end.
import flash.Lib;
import flash.display.Shape;
import flash.display.Sprite;
import flash.events.Event;

class Main extends Sprite {
	static inline var LOOP = 300; // frames, ten seconds at 30 a second
	static inline var FADE = 270;

	var frame = 0;
	var scene = new Sprite();
	var stars:Array<Shape> = [];
	var banner:Sprite;
	var team:Sprite;
	var members:Array<Sprite> = [];
	var caption:Sprite;

	public function new() {
		super();
		Look.sky(graphics, 497, 305);
		addChild(scene);
		sky();
		banner = bubble(300, 118, Look.BLUE_LIGHT, Look.BLUE, 0x1E4A86, true, "Trovelin", 50, "Chat en español");
		banner.x = 20 + 150;
		banner.y = 16 + 59;
		team = bubble(168, 62, 0xFFC070, Look.ORANGE, 0xA85A10, false, "Vexlo Team", 22, null);
		team.x = 312 + 84;
		team.y = 150 + 31;
		caption = new Sprite();
		var c = Look.text("Miembros del equipo", 14, Look.GOLD);
		caption.addChild(c);
		caption.x = 28;
		caption.y = 166;
		scene.addChild(caption);
		var roles = ["Admin", "Operador", "Moderador", "Diseño"];
		var colours = [0xFFD23C, 0xF7A8C8, 0x7CC2FF, 0xA8E07A];
		for (i in 0...roles.length) {
			var m = new Sprite();
			m.addChild(Look.smiley(24, colours[i]));
			m.addChild(Look.centred(roles[i], 12, Look.WHITE, 0, 28));
			m.x = 62 + i * 80;
			scene.addChild(m);
			members.push(m);
		}
		addEventListener(Event.ENTER_FRAME, step);
		show();
	}

	function sky() {
		// The same sky every time: a small generator of our own, not Math.random.
		var seed = 7;
		function next():Float {
			seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF;
			return seed / 0x7FFFFFFF;
		}
		for (i in 0...46) {
			var s = new Shape();
			var big = i % 9 == 0;
			s.graphics.beginFill(i % 5 == 0 ? Look.GOLD : Look.WHITE);
			if (big) {
				s.graphics.moveTo(0, -7);
				s.graphics.curveTo(0, 0, 7, 0);
				s.graphics.curveTo(0, 0, 0, 7);
				s.graphics.curveTo(0, 0, -7, 0);
				s.graphics.curveTo(0, 0, 0, -7);
			} else {
				s.graphics.drawCircle(0, 0, 0.8 + next() * 1.2);
			}
			s.graphics.endFill();
			s.x = next() * 497;
			s.y = next() * 305;
			s.rotation = next() * 90;
			addChildAt(s, 0);
			stars.push(s);
		}
	}

	function bubble(w:Float, h:Float, light:Int, colour:Int, deep:Int, tailLeft:Bool, title:String, size:Int,
			subtitle:String):Sprite {
		var holder = new Sprite();
		var b = Look.bubble(w, h, light, colour, deep, tailLeft);
		b.x = -w / 2;
		b.y = -h / 2;
		holder.addChild(b);
		var t = Look.centred(title, size, Look.WHITE, 0, 0, true);
		t.y = subtitle == null ? -t.height / 2 : -h / 2 + 6;
		holder.addChild(t);
		if (subtitle != null)
			holder.addChild(Look.centred(subtitle, 16, 0xE8F4FF, 0, h / 2 - 34));
		scene.addChild(holder);
		return holder;
	}

	// Grows from nothing to a little more than its size and settles.
	static function pop(t:Float):Float {
		if (t <= 0)
			return 0;
		if (t >= 1)
			return 1;
		var s = 1.70158;
		var u = t - 1;
		return 1 + (s + 1) * u * u * u + s * u * u;
	}

	function step(_) {
		frame = (frame + 1) % LOOP;
		show();
	}

	function show() {
		for (i in 0...stars.length)
			stars[i].alpha = 0.35 + 0.65 * Math.abs(Math.sin(frame * 0.05 + i * 1.7));
		var b = pop(frame / 18);
		banner.scaleX = banner.scaleY = b;
		var o = pop((frame - 22) / 16);
		team.scaleX = team.scaleY = o;
		team.rotation = (1 - o) * -20;
		caption.alpha = Math.min(1, Math.max(0, (frame - 36) / 12));
		for (i in 0...members.length) {
			var start = 44 + i * 10;
			var m = members[i];
			if (frame < start) {
				m.visible = false;
				continue;
			}
			m.visible = true;
			var t = (frame - start) / 14;
			// Falls in and bounces, then hops in a wave with the others.
			var y = t < 1 ? -60 * (1 - t) * (1 - t) : -Math.abs(Math.sin((frame - start) * 0.12 + i * 0.9)) * 9;
			m.y = 228 + y;
		}
		scene.alpha = frame < FADE ? 1 : 1 - (frame - FADE) / (LOOP - FADE);
	}

	static function main() {
		Lib.current.addChild(new Main());
	}
}
